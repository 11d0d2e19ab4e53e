#include "platform/core/file_error.h"

#include <cerrno>
#include <cstdio>
#include <memory>

#include "platform/core/message_box.h"
#include "platform/core/text.h"

namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

}  // namespace

FileErrorCause FileErrorFromErrno(int error) {
    switch (error) {
        case ENOENT:
        case ENOTDIR:
            return FileErrorCause::NotFound;
        case EACCES:
        case EPERM:
        case EISDIR:
            return FileErrorCause::AccessDenied;
        case EMFILE:
        case ENFILE:
            return FileErrorCause::TooManyOpen;
        default:
            return FileErrorCause::Generic;
    }
}

FileError ReadFileBytes(const std::string& path, std::size_t limit, std::string* content) {
    content->clear();
    errno = 0;
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
    if (!file) return {FileErrorFromErrno(errno), path};
    char chunk[4096];
    while (true) {
        std::size_t got = std::fread(chunk, 1, sizeof chunk, file.get());
        if (content->size() + got > limit) {
            content->clear();
            return {FileErrorCause::TooLarge, path};
        }
        content->append(chunk, got);
        if (got < sizeof chunk) break;
    }
    if (std::ferror(file.get())) {
        FileErrorCause cause = FileErrorFromErrno(errno);
        content->clear();
        return {cause, path};
    }
    return {FileErrorCause::None, path};
}

std::string FileErrorText(const FileError& error) {
    const char* name = error.path.c_str();
    switch (error.cause) {
        case FileErrorCause::None:
            return "";
        case FileErrorCause::NotFound:
            return StrFormat("%s was not found.", name);
        case FileErrorCause::AccessDenied:
            return StrFormat("Access to %s was denied.", name);
        case FileErrorCause::TooManyOpen:
            return StrFormat("Too many files are open to open %s.", name);
        case FileErrorCause::TooLarge:
            return StrFormat("%s is too large to be read.", name);
        case FileErrorCause::Generic:
            break;
    }
    return StrFormat("An unexpected error occurred while reading %s.", name);
}

void ReportFileError(const FileError& error) {
    MessageBox(0, FileErrorText(error), "", MB_OK | MB_ICONERROR);
}
