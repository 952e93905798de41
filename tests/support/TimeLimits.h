// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Under AddressSanitizer the code runs several times slower and checks for leaks on the way
// out; what the limits guard against (a quadratic reader, a hung copy) is slower by far more.
namespace TimeLimits {
#ifdef __SANITIZE_ADDRESS__
inline constexpr int scale = 4;
#else
inline constexpr int scale = 1;
#endif
} // namespace TimeLimits
