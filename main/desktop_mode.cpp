#include "main/desktop_mode.h"

#include <dlfcn.h>

#include <cstdlib>
#include <filesystem>

namespace {

const DesktopEntry* linkedEntry = nullptr;

// The desktop module as loaded once: its entry points, or why there are none.
struct LoadedModule {
    const DesktopEntry* entry = nullptr;
    std::string error;
};

#ifdef SDWLAN_DESKTOP_MODULE
// Where the module may be: beside the program in the build tree, in the program's library
// folder once installed.
std::vector<std::filesystem::path> ModulePlaces() {
    std::error_code failed;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", failed);
    if (failed) return {};
    const std::filesystem::path dir = program.parent_path();
    return {dir / SDWLAN_DESKTOP_MODULE,
            (dir / SDWLAN_DESKTOP_MODULE_DIR / SDWLAN_DESKTOP_MODULE).lexically_normal()};
}

// Loads the first module found. It stays loaded: the toolkit keeps process-wide state.
LoadedModule LoadModule() {
    LoadedModule module{nullptr, "the program's " SDWLAN_DESKTOP_MODULE " is not installed"};
    for (const std::filesystem::path& place : ModulePlaces()) {
        std::error_code failed;
        if (!std::filesystem::exists(place, failed)) continue;
        void* handle = dlopen(place.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (handle == nullptr) {
            const char* reason = dlerror();
            module.error = reason != nullptr ? reason : place.string() + " does not load";
            continue;
        }
        module.entry = static_cast<const DesktopEntry*>(dlsym(handle, "sdwlan_desktop_entry"));
        if (module.entry != nullptr) return module;
        module.error = place.string() + " is not the desktop module";
    }
    return module;
}
#else
LoadedModule LoadModule() { return {nullptr, "this build has no desktop window"}; }
#endif

const LoadedModule& Module() {
    static const LoadedModule module = LoadModule();
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
#ifdef SDWLAN_DESKTOP_MODULE
    err << "sdwlan: the desktop window cannot be loaded: " << Module().error
        << "; use --text, --headless or --report\n";
#else
    err << "sdwlan: this build has no desktop window; use --text, --headless or --report\n";
#endif
    return 1;
}
