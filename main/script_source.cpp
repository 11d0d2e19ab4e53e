#include "main/script_source.h"

#include <cerrno>
#include <cstring>

#include "main/options.h"

bool ScriptSource::Open(const Options& options, std::istream& stdinScript, std::ostream& err) {
    if (!options.scriptFile) return true;
    if (*options.scriptFile == "-") {
        name_ = "<stdin>";
        stream_ = &stdinScript;
        return true;
    }
    name_ = *options.scriptFile;
    file_.open(name_);
    if (!file_) {
        err << "sdwlan: cannot open script " << name_ << ": " << std::strerror(errno)
            << " (check --script)\n";
        return false;
    }
    stream_ = &file_;
    return true;
}
