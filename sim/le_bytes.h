// Little-endian fields in byte vectors. Reads past the end give 0 and writes past the end are
// dropped, so a short buffer can never be overrun.
#pragma once

#include <cstddef>
#include <vector>

#include "platform/core/win_types.h"

inline ULONGLONG GetLe(const std::vector<BYTE>& bytes, std::size_t offset, std::size_t width) {
    ULONGLONG value = 0;
    for (std::size_t i = 0; i < width && offset + i < bytes.size(); ++i) {
        value |= static_cast<ULONGLONG>(bytes[offset + i]) << (8 * i);
    }
    return value;
}

inline DWORD GetLe32(const std::vector<BYTE>& bytes, std::size_t offset) {
    return static_cast<DWORD>(GetLe(bytes, offset, 4));
}

inline WORD GetLe16(const std::vector<BYTE>& bytes, std::size_t offset) {
    return static_cast<WORD>(GetLe(bytes, offset, 2));
}

inline void PutLe(std::vector<BYTE>& bytes, std::size_t offset, ULONGLONG value,
                  std::size_t width) {
    for (std::size_t i = 0; i < width && offset + i < bytes.size(); ++i) {
        bytes[offset + i] = static_cast<BYTE>(value >> (8 * i));
    }
}

inline void PutLe32(std::vector<BYTE>& bytes, std::size_t offset, DWORD value) {
    PutLe(bytes, offset, value, 4);
}

inline void PutLe16(std::vector<BYTE>& bytes, std::size_t offset, WORD value) {
    PutLe(bytes, offset, value, 2);
}

inline void PutLe64(std::vector<BYTE>& bytes, std::size_t offset, ULONGLONG value) {
    PutLe(bytes, offset, value, 8);
}

// A 4-byte little-endian reply.
inline std::vector<BYTE> Le32Bytes(DWORD value) {
    std::vector<BYTE> bytes(4);
    PutLe32(bytes, 0, value);
    return bytes;
}
