#include "main/desktop_mode.h"

#include <cstdlib>

#include "main/module_loader.h"

namespace {

const DesktopEntry* linkedEntry = nullptr;

// The desktop module as loaded once: its entry points, or why there are none.
struct DesktopModule {
    const DesktopEntry* entry = nullptr;
    std::string error;
};

DesktopModule LoadModule() {
    DesktopModule module;
#ifdef SDWLAN_HAVE_FLTK
    module.entry = static_cast<const DesktopEntry*>(
        ModuleSymbol("sdwlan-desktop.so", "sdwlan_desktop_entry", module.error));
#else
    module.error = "this build has no desktop window";
#endif
    return module;
}

const DesktopModule& Module() {
    static const DesktopModule module = LoadModule();
    return module;
}

const DesktopEntry* Entry() { return linkedEntry != nullptr ? linkedEntry : Module().entry; }

// The window system's client needs DISPLAY; without it the module is not even loaded.
bool DisplayNamed() {
    const char* display = std::getenv("DISPLAY");
    return display != nullptr && *display != '\0';
}

}  // namespace

void UseDesktopEntry(const DesktopEntry* entry) { linkedEntry = entry; }

bool DesktopAvailable() {
    if (linkedEntry == nullptr && !DisplayNamed()) return false;
    const DesktopEntry* entry = Entry();
    return entry != nullptr && entry->available();
}

std::string DesktopUnavailableReason() {
    if (linkedEntry != nullptr || !DisplayNamed() || Entry() != nullptr) return "no display";
    return "no desktop window (" + Module().error + ")";
}

int RunDesktop(const Options& options, const std::function<void()>& application,
               const DesktopScriptIo& io, std::ostream& err) {
    if (const DesktopEntry* entry = Entry()) return entry->run(options, application, io, err);
#ifdef SDWLAN_HAVE_FLTK
    err << "sdwlan: the desktop window cannot be loaded: " << Module().error
        << "; use --text, --headless or --report\n";
#else
    err << "sdwlan: this build has no desktop window; use --text, --headless or --report\n";
#endif
    return 1;
}
