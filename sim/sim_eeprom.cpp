#include "sim/sim_eeprom.h"

#include <filesystem>
#include <sstream>

#include "platform/core/text.h"
#include "platform/registry/atomic_file.h"

namespace {

constexpr WORD kErased = 0xFFFF;
constexpr DWORD kMacWord = 2;

// The text file in which the EEPROM keeps its contents between runs:
//   ; comment lines
//   size 512
//   0000: FFFF FFFF FFFF FFFF FFFF FFFF FFFF FFFF
// Each data line gives a word address (hexadecimal) and up to eight 16-bit words.

constexpr std::size_t kWordsPerLine = 8;
constexpr DWORD kMaxWords = 0x10000;
// Far more than the text of the largest EEPROM; a larger file is refused unread.
constexpr std::size_t kMaxFileBytes = 1024 * 1024;

bool ParseHex(const std::string& text, DWORD limit, DWORD* value) {
    if (text.empty() || text.size() > 8) return false;
    std::size_t used = 0;
    unsigned long parsed = 0;
    try {
        parsed = std::stoul(text, &used, 16);
    } catch (const std::exception&) {
        return false;
    }
    if (used != text.size() || parsed > limit) return false;
    *value = static_cast<DWORD>(parsed);
    return true;
}

// One data line "AAAA: wwww wwww ..." into words.
bool ParseDataLine(const std::string& line, std::map<DWORD, WORD>* words) {
    auto colon = line.find(':');
    DWORD address = 0;
    if (colon == std::string::npos || !ParseHex(line.substr(0, colon), kMaxWords - 1, &address)) {
        return false;
    }
    std::istringstream rest(line.substr(colon + 1));
    std::string item;
    std::size_t count = 0;
    while (rest >> item) {
        DWORD word = 0;
        if (++count > kWordsPerLine || !ParseHex(item, 0xFFFF, &word)) return false;
        if (address + count - 1 >= kMaxWords) return false;
        (*words)[static_cast<DWORD>(address + count - 1)] = static_cast<WORD>(word);
    }
    return count > 0;
}

bool ParseLine(const std::string& raw, std::map<DWORD, WORD>* words) {
    std::string line = raw;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    auto first = line.find_first_not_of(" \t");
    if (first == std::string::npos || line[first] == ';') return true;
    line = line.substr(first);
    if (line.rfind("size", 0) == 0) {  // informational; the scenario decides the size
        std::istringstream in(line.substr(4));
        unsigned long size = 0;
        std::string extra;
        return (in >> size) && !(in >> extra);
    }
    return ParseDataLine(line, words);
}

// False with *error ("<file>:<line>: ...") when the file cannot be read or parsed; *exists
// tells a missing file (not an error) apart.
bool LoadEepromFile(const std::string& path, std::map<DWORD, WORD>* words, bool* exists,
                    std::string* error) {
    std::error_code ec;
    *exists = std::filesystem::exists(path, ec);
    if (ec) {
        *error = "cannot use " + path + ": " + ec.message();
        return false;
    }
    if (!*exists) return true;
    std::string content;
    if (!ReadWholeFile(path, &content, error, kMaxFileBytes)) return false;
    std::istringstream in(content);
    std::string line;
    std::map<DWORD, WORD> parsed;
    for (int number = 1; std::getline(in, line); ++number) {
        if (!ParseLine(line, &parsed)) {
            *error = StrFormat("%s:%d: not an EEPROM line: %s", path.c_str(), number, line.c_str());
            return false;
        }
    }
    *words = std::move(parsed);
    return true;
}

std::string FormatEepromFile(const std::string& title, const std::vector<WORD>& words) {
    std::string text = "; " + title + "\n";
    text += StrFormat("size %zu\n", words.size() * 2);
    for (std::size_t i = 0; i < words.size(); i += kWordsPerLine) {
        text += StrFormat("%04zX:", i);
        for (std::size_t k = i; k < words.size() && k < i + kWordsPerLine; ++k) {
            text += StrFormat(" %04X", words[k]);
        }
        text += "\n";
    }
    return text;
}

bool SaveEepromFile(const std::string& path, const std::string& title,
                    const std::vector<WORD>& words, std::string* error) {
    return WriteFileAtomically(path, FormatEepromFile(title, words), error);
}
}  // namespace

SimEeprom::SimEeprom(DWORD sizeBytes, const std::map<DWORD, WORD>& initial, const MacAddress& mac,
                     std::string path, std::string title)
    : sizeBytes_(sizeBytes),
      words_(sizeBytes / 2, kErased),
      path_(std::move(path)),
      title_(std::move(title)) {
    for (DWORD i = 0; i < 3; ++i) {
        Store(kMacWord + i, static_cast<WORD>(mac[2 * i] | (mac[2 * i + 1] << 8)));
    }
    for (const auto& [address, value] : initial) Store(address, value);
    if (path_.empty()) return;
    std::map<DWORD, WORD> stored;
    bool exists = false;
    if (!LoadEepromFile(path_, &stored, &exists, &fileError_)) {
        path_.clear();  // never overwrite what could not be read
        return;
    }
    for (const auto& [address, value] : stored) Store(address, value);
}

bool SimEeprom::Store(DWORD address, WORD value) {
    if (address >= words_.size()) return false;
    words_[address] = value;
    return true;
}

bool SimEeprom::Read(DWORD address, WORD* value) const {
    if (address >= words_.size()) return false;
    *value = words_[address];
    return true;
}

bool SimEeprom::Write(DWORD address, WORD value) {
    if (!Store(address, value)) return false;
    Persist();
    return true;
}

void SimEeprom::Persist() {
    if (path_.empty()) return;
    std::string error;
    if (!SaveEepromFile(path_, title_, words_, &error)) fileError_ = error;
}
