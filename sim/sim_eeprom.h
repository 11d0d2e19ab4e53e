// The card's EEPROM: 16-bit words, non-volatile. With a file it keeps its contents between runs
// (every write is saved at once); a file that cannot be read is neither used nor overwritten.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "platform/core/win_types.h"
#include "sim/scenario.h"

class SimEeprom {
  public:
    // An odd last byte belongs to no word. A fresh EEPROM is erased (0xFFFF) with the MAC address
    // in words 2 to 4 and the scenario's words on top. An empty path keeps the contents in memory.
    SimEeprom(DWORD sizeBytes, const std::map<DWORD, WORD>& initial, const MacAddress& mac,
              std::string path, std::string title);

    DWORD SizeBytes() const { return sizeBytes_; }
    bool Read(DWORD address, WORD* value) const;
    // False for an address outside the EEPROM.
    bool Write(DWORD address, WORD value);
    const std::string& FileError() const { return fileError_; }
    const std::string& Path() const { return path_; }

  private:
    bool Store(DWORD address, WORD value);
    void Persist();

    DWORD sizeBytes_;
    std::vector<WORD> words_;
    std::string path_;
    std::string title_;
    std::string fileError_;
};
