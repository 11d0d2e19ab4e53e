// Reads a registry file in the export format (see registry_file_writer.h). The file is UTF-8;
// CRLF or LF line ends; hex data may continue on the next line after a trailing backslash;
// lines starting with ';' are comments. Errors read "<file>:<line>: expected ...".
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/registry/registry_key.h"

// The largest registry file read; a larger one is refused unread.
constexpr std::size_t kMaxRegistryFileBytes = 1024 * 1024;

class RegistryFileParser {
  public:
    explicit RegistryFileParser(std::string fileName) : fileName_(std::move(fileName)) {}

    // Fills *root (expected empty). False with *error naming the file and line.
    bool Parse(const std::string& text, RegistryKey* root, std::string* error);

  private:
    bool Fail(const std::string& message);
    bool ParseHeader();
    bool ParseLine(std::string_view line);
    bool ParseSection(std::string_view line);
    bool ParseValue(std::string_view line);
    bool ParseQuoted(std::string_view& rest, std::string* text);
    bool ParseData(std::string_view rest, RegistryValue* value);
    bool ParseHex(std::string_view rest, RegistryValue* value);
    // The hex data of the current line joined with its continuation lines.
    std::string JoinContinuations(std::string_view rest);

    std::string fileName_;
    std::vector<std::string> lines_;
    std::size_t index_ = 0;
    RegistryKey* root_ = nullptr;
    std::optional<RegistryPath> current_;
    std::string error_;
};
