// The utility in a desktop window (the fltk front end), for main() and for tests.
#pragma once

#include <functional>
#include <ostream>

#include "main/options.h"

// Whether the desktop front end can run here: it is built in and a display answers.
bool DesktopAvailable();

// Runs `application` (the application object's start-up, which returns when the main dialog
// has ended) with the desktop front end as the window system's host. The platform clock must
// be the real one: timers run in real time. With options.screenshotFile the main window is
// written as a PNG after options.screenshotAfterMs and then closed through its caption OK
// button; SIGINT and SIGTERM close it the same way. Returns 0, or 1 with a one-line reason
// on `err` when the desktop cannot run or the screenshot was not written.
int RunDesktop(const Options& options, const std::function<void()>& application, std::ostream& err);
