// The registry file: any text is parsed or refused with a message, and what is parsed is
// written back in a form that reads back the same.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "platform/registry/registry_file_parser.h"
#include "platform/registry/registry_file_writer.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string text(reinterpret_cast<const char*>(data), size);
    RegistryKey root;
    std::string error;
    if (!RegistryFileParser("fuzz.reg").Parse(text, &root, &error)) {
        if (error.empty()) std::abort();
        return 0;
    }
    std::string written = FormatRegistryFile(root);
    RegistryKey again;
    if (!RegistryFileParser("again.reg").Parse(written, &again, &error)) std::abort();
    if (FormatRegistryFile(again) != written) std::abort();
    return 0;
}
