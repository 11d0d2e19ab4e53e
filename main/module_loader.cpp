#include "main/module_loader.h"

#include <dlfcn.h>

#include <cstring>
#include <filesystem>
#include <map>
#include <mutex>
#include <vector>

#include "main/build_stamp.h"

namespace {

// Where a module may be: beside the program, then in the program's library folder.
std::vector<std::filesystem::path> ModulePlaces(const std::string& file) {
    std::error_code failed;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", failed);
    if (failed) return {};
    const std::filesystem::path dir = program.parent_path();
    return {dir / file, (dir / SDWLAN_MODULE_DIR / file).lexically_normal()};
}

// Why the loaded module at `place` may not be used: it was built from other declarations than
// the program (its code would misread the program's types); empty when it may.
std::string StampMismatch(void* handle, const std::filesystem::path& place) {
    const auto* stamp = static_cast<const char*>(dlsym(handle, "sdwlan_module_stamp"));
    if (stamp == nullptr) return place.string() + " has no build stamp: it is not this program's";
    if (std::strncmp(stamp, SDWLAN_BUILD_STAMP, sizeof SDWLAN_BUILD_STAMP) == 0) return {};
    return place.string() + " is from another build of the program (build " +
           std::string(stamp, strnlen(stamp, sizeof SDWLAN_BUILD_STAMP)) + ", the program's " +
           SDWLAN_BUILD_STAMP + "); install the program and its modules together";
}

// The first module found that loads and is of this build; the last one's error otherwise.
void* LoadModule(const std::string& file, std::string& error) {
    error = "the program's " + file + " is not installed";
    for (const std::filesystem::path& place : ModulePlaces(file)) {
        std::error_code failed;
        if (!std::filesystem::exists(place, failed)) continue;
        void* handle = dlopen(place.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (handle == nullptr) {
            const char* reason = dlerror();
            error = reason != nullptr ? reason : place.string() + " does not load";
            continue;
        }
        error = StampMismatch(handle, place);
        if (error.empty()) return handle;
        dlclose(handle);
    }
    return nullptr;
}

struct LoadedModule {
    void* handle = nullptr;
    std::string error;
};

}  // namespace

const void* ModuleSymbol(const std::string& file, const char* symbol, std::string& error) {
    static std::mutex mutex;
    static std::map<std::string, LoadedModule> loaded;
    std::lock_guard lock(mutex);
    auto found = loaded.find(file);
    if (found == loaded.end()) {
        LoadedModule module;
        module.handle = LoadModule(file, module.error);
        found = loaded.emplace(file, std::move(module)).first;
    }
    const LoadedModule& module = found->second;
    if (module.handle == nullptr) {
        error = module.error;
        return nullptr;
    }
    const void* address = dlsym(module.handle, symbol);
    if (address == nullptr) error = file + " has no " + symbol + "; it is not this program's";
    return address;
}
