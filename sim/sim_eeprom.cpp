#include "sim/sim_eeprom.h"

#include "sim/eeprom_file.h"

namespace {

constexpr WORD kErased = 0xFFFF;
constexpr DWORD kMacWord = 2;

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
    if (!EepromFile::Load(path_, &stored, &exists, &fileError_)) {
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
    if (!EepromFile::Save(path_, title_, words_, &error)) fileError_ = error;
}
