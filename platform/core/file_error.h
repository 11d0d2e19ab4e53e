// Reading a file for the utility, and the platform's standard report of a file that could not
// be opened or read: a message box naming the file and the cause.
#pragma once

#include <cstddef>
#include <string>

enum class FileErrorCause { None, NotFound, AccessDenied, TooManyOpen, TooLarge, Generic };

struct FileError {
    FileErrorCause cause = FileErrorCause::None;
    std::string path;
};

// The whole file as bytes into *content. A file larger than `limit` bytes is refused with
// TooLarge. On failure *content is empty and the result names the cause.
FileError ReadFileBytes(const std::string& path, std::size_t limit, std::string* content);

// The cause of a failed open or read from the C library's error number.
FileErrorCause FileErrorFromErrno(int error);

// The report's text: "<file> was not found." and the like.
std::string FileErrorText(const FileError& error);
// Shows the report in an OK message box.
void ReportFileError(const FileError& error);
