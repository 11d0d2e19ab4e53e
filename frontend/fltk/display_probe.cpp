#include "frontend/fltk/display_probe.h"

#include <X11/Xlib.h>

#include <cstdlib>

bool DesktopDisplayAvailable() {
    const char* name = std::getenv("DISPLAY");
    if (name == nullptr || *name == '\0') return false;
    // The toolkit ends the process when it cannot open its display; ask first.
    Display* display = XOpenDisplay(name);
    if (display == nullptr) return false;
    XCloseDisplay(display);
    return true;
}
