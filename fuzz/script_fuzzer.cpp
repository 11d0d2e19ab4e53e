// Script lines: every line parses to a command, nothing, or an error text.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "frontend/headless/script_parser.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static ScriptParser parser = [] {
        ScriptParser p;
        p.AddExtensionWord("sim");
        return p;
    }();
    std::string_view text(reinterpret_cast<const char*>(data), size);
    int number = 0;
    while (!text.empty()) {
        std::size_t end = text.find('\n');
        ParsedLine parsed = parser.Parse(text.substr(0, end), ++number);
        if (parsed.command && !parsed.error.empty()) std::abort();
        if (end == std::string_view::npos) break;
        text.remove_prefix(end + 1);
    }
    return 0;
}
