// The text file in which a simulated EEPROM keeps its contents between runs:
//   ; comment lines
//   size 512
//   0000: FFFF FFFF FFFF FFFF FFFF FFFF FFFF FFFF
// Each data line gives a word address (hexadecimal) and up to eight 16-bit words.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "platform/core/win_types.h"

class EepromFile {
  public:
    // False with *error ("<file>:<line>: ...") when the file cannot be read or parsed; *exists
    // tells a missing file (not an error) apart.
    static bool Load(const std::string& path, std::map<DWORD, WORD>* words, bool* exists,
                     std::string* error);
    static bool Save(const std::string& path, const std::string& title,
                     const std::vector<WORD>& words, std::string* error);
    static std::string Format(const std::string& title, const std::vector<WORD>& words);
};
