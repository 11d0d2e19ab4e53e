// The chip's MAC registers (32-bit, byte addresses 0x000 to 0x4FC) and baseband registers
// (128 bytes), with the read selection their request records make.
#pragma once

#include <array>
#include <vector>

#include "platform/core/win_types.h"

class CardRegisters {
  public:
    static constexpr DWORD kMacLimit = 0x500;
    static constexpr DWORD kBasebandCount = 128;

    // The 12-byte MAC register record: direction 1 selects a register for the next query,
    // direction 0 writes it. Returns an NDIS status.
    DWORD MacRequest(const std::vector<BYTE>& record);
    std::vector<BYTE> MacReply() const;
    // The 3-byte baseband record: direction 0 writes, direction 1 announces a read. The read
    // itself takes the index from the query's own record, as the chip's driver does.
    DWORD BasebandRequest(const std::vector<BYTE>& record);
    // Fills `reply` with the register the query record names; returns an NDIS status.
    DWORD BasebandReply(const std::vector<BYTE>& query, std::vector<BYTE>& reply) const;

    // Direct access; false for an address outside the register file.
    bool SetMac(DWORD address, DWORD value);
    DWORD Mac(DWORD address) const;
    bool SetBaseband(DWORD index, BYTE value);
    BYTE Baseband(DWORD index) const;

  private:
    static bool ValidMac(DWORD address) { return address < kMacLimit && address % 4 == 0; }

    std::array<DWORD, kMacLimit / 4> mac_{};
    std::array<BYTE, kBasebandCount> baseband_{};
    DWORD macSelected_ = 0;
};
