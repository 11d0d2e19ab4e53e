// The utility in a desktop window (the fltk front end), for main() and for tests.
#pragma once

#include <functional>
#include <istream>
#include <ostream>
#include <string>
#include <vector>

#include "main/options.h"

// Whether the desktop front end can run here: its module loads and a display answers.
bool DesktopAvailable();
// Why it cannot, in a few words for the text mode's first line: "no display", or why the
// module did not load.
std::string DesktopUnavailableReason();

// What a script (--script) in the desktop window reads and writes, and its `sim` command.
struct DesktopScriptIo {
    std::istream& stdinScript;  // the script for `--script -`
    std::ostream& out;          // dumps and message boxes
    std::function<std::string(const std::vector<std::string>&)> sim;
};

// Runs `application` (the application object's start-up, which returns when the main dialog
// has ended) with the desktop front end as the window system's host. The platform clock must
// be the real one: timers run in real time. With options.screenshotFile the main window is
// written as a PNG after options.screenshotAfterMs and then closed through its caption OK
// button; SIGINT and SIGTERM close it the same way, and so does the end of options.scriptFile,
// which drives the window meanwhile. Returns 0, or 1 with a one-line reason on `err` when the
// desktop cannot run, the screenshot was not written or the script failed.
int RunDesktop(const Options& options, const std::function<void()>& application,
               const DesktopScriptIo& io, std::ostream& err);

// The desktop front end's entry points. The program finds them in its desktop module, which it
// loads only when a window is wanted, so that the other modes start without the toolkit's and
// the window system's libraries.
struct DesktopEntry {
    bool (*available)();
    int (*run)(const Options& options, const std::function<void()>& application,
               const DesktopScriptIo& io, std::ostream& err);
};

// Makes RunDesktop and DesktopAvailable use `entry` instead of loading the module (for a
// program that links the front end in, as the desktop tests do); nullptr loads it again.
void UseDesktopEntry(const DesktopEntry* entry);
