// Whole-file reading and atomic replacement.
#pragma once

#include <string>

// False with *error when the file cannot be read or holds more than maxBytes; never reads more
// than maxBytes + 1 bytes, so that a device such as /dev/zero cannot exhaust memory.
bool ReadWholeFile(const std::string& path, std::string* content, std::string* error,
                   std::size_t maxBytes);
// Writes content to "<path>.tmp" in the same directory (created when missing), flushes it to
// disk and renames it over path. On failure the previous file is left whole and *error says why.
bool WriteFileAtomically(const std::string& path, const std::string& content, std::string* error);
