// Building request payloads: little-endian words, concatenation, a record's raw bytes.
#pragma once

#include <initializer_list>
#include <vector>

#include "platform/core/win_types.h"

using Bytes = std::vector<BYTE>;

inline Bytes Le32(DWORD value) {
    return {BYTE(value), BYTE(value >> 8), BYTE(value >> 16), BYTE(value >> 24)};
}

inline Bytes Concat(std::initializer_list<Bytes> parts) {
    Bytes all;
    for (const Bytes& part : parts) all.insert(all.end(), part.begin(), part.end());
    return all;
}

template <class T>
Bytes Raw(const T& record) {
    const BYTE* raw = reinterpret_cast<const BYTE*>(&record);
    return Bytes(raw, raw + sizeof record);
}
