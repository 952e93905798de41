#pragma once

// Choices about the window system that must be made before the application object
// exists.
class WindowSystem {
public:
    // On a Wayland session the program runs through XWayland when it is there: a Wayland
    // client can neither place its windows nor keep them above the others, and the
    // messages need both. A platform the user chose (QT_QPA_PLATFORM or -platform) wins.
    static void preferX11(int argc, char** argv);
};
