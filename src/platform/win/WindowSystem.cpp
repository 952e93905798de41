#include "../WindowSystem.h"

// Windows has one window system; nothing to choose.
void WindowSystem::preferX11(int, char**) {}
