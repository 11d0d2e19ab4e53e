#include "main/guarded_run.h"

#include <algorithm>
#include <exception>
#include <new>
#include <string>

namespace {

std::string OneLine(std::string text) {
    std::replace_if(
        text.begin(), text.end(), [](char c) { return c == '\n' || c == '\r'; }, ' ');
    return text;
}

}  // namespace

int RunGuarded(const std::function<int()>& body, std::ostream& err) {
    try {
        return body();
    } catch (const std::bad_alloc&) {
        err << "sdwlan: out of memory\n";
        return kExitOutOfMemory;
    } catch (const std::exception& error) {
        err << "sdwlan: internal error: " << OneLine(error.what()) << "\n";
    } catch (...) {
        err << "sdwlan: internal error: an unknown exception\n";
    }
    return kExitInternalError;
}
