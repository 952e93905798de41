#pragma once

// Under AddressSanitizer the code runs several times slower and checks for leaks on the way
// out; what the limits guard against (a quadratic reader, a hung copy) is slower by far more.
#if defined(__SANITIZE_ADDRESS__)
#define ZORVAN_SANITIZED 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define ZORVAN_SANITIZED 1
#endif
#endif

namespace TimeLimits {
#ifdef ZORVAN_SANITIZED
inline constexpr int scale = 4;
#else
inline constexpr int scale = 1;
#endif
} // namespace TimeLimits
