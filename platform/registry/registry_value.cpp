#include "platform/registry/registry_value.h"

#include "platform/core/text.h"
#include "platform/registry/registry_api.h"

RegistryValue MakeStringValue(std::string name, const std::string& text) {
    RegistryValue value{std::move(name), REG_SZ, {}};
    for (char16_t c : Utf8ToWide(text)) {
        value.data.push_back(static_cast<BYTE>(c & 0xFF));
        value.data.push_back(static_cast<BYTE>(c >> 8));
    }
    value.data.insert(value.data.end(), {0, 0});
    return value;
}

RegistryValue MakeDwordValue(std::string name, DWORD number) {
    RegistryValue value{std::move(name), REG_DWORD, {}};
    for (int shift = 0; shift < 32; shift += 8) value.data.push_back((number >> shift) & 0xFF);
    return value;
}

WString Utf16FromBytes(const BYTE* data, std::size_t size) {
    WString wide;
    for (std::size_t i = 0; i + 1 < size; i += 2) {
        wide.push_back(static_cast<char16_t>(data[i] | (data[i + 1] << 8)));
    }
    return wide;
}
