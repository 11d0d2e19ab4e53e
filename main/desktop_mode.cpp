#include "main/desktop_mode.h"

#include <cstdlib>

#include "main/module_loader.h"

namespace {

const DesktopEntry* linkedEntry = nullptr;

// The entry points: the linked-in ones, else the module's (loaded once, by the loader); null
// with `error` saying why.
const DesktopEntry* Entry(std::string& error) {
    if (linkedEntry != nullptr) return linkedEntry;
#ifdef SDWLAN_HAVE_FLTK
    return static_cast<const DesktopEntry*>(
        ModuleSymbol("sdwlan-desktop.so", "sdwlan_desktop_entry", error));
#else
    error = "this build has no desktop window";
    return nullptr;
#endif
}

// The window system's client needs DISPLAY; without it the module is not even loaded.
bool DisplayNamed() {
    const char* display = std::getenv("DISPLAY");
    return display != nullptr && *display != '\0';
}

}  // namespace

void UseDesktopEntry(const DesktopEntry* entry) { linkedEntry = entry; }

bool DesktopAvailable() {
    if (linkedEntry == nullptr && !DisplayNamed()) return false;
    std::string error;
    const DesktopEntry* entry = Entry(error);
    return entry != nullptr && entry->available();
}

std::string DesktopUnavailableReason() {
    std::string error;
    if (linkedEntry != nullptr || !DisplayNamed() || Entry(error) != nullptr) return "no display";
    return "no desktop window (" + error + ")";
}

int RunDesktop(const Options& options, const std::function<void()>& application,
               const DesktopScriptIo& io, std::ostream& err) {
    std::string error;
    if (const DesktopEntry* entry = Entry(error)) return entry->run(options, application, io, err);
#ifdef SDWLAN_HAVE_FLTK
    err << "sdwlan: the desktop window cannot be loaded: " << error
        << "; use --text, --headless or --report\n";
#else
    err << "sdwlan: this build has no desktop window; use --text, --headless or --report\n";
#endif
    return 1;
}
