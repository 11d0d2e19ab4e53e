#include "adapter/driver_params.h"

#include <limits>

#include "platform/core/message_box.h"
#include "platform/core/text.h"
#include "platform/registry/registry_api.h"

int DriverParams::Read(const std::string& name, std::string& value, int showError) {
    HKEY key = 0;
    BYTE buffer[READ_BUFFER_BYTES] = {};
    LONG result = RegOpenKeyEx(HKEY_LOCAL_MACHINE, KEY, 0, KEY_ALL_ACCESS, &key);
    if (result == ERROR_SUCCESS) {
        DWORD type = 0;
        DWORD size = sizeof buffer;
        result = RegQueryValueEx(key, Utf8ToWide(name).c_str(), nullptr, &type, buffer, &size);
        RegCloseKey(key);
    }
    if (result != ERROR_SUCCESS) {
        if (showError == 1) {
            MessageBox(0, StrFormat("registry of the item named '%s' can't be read", name.c_str()),
                       "", MB_OK);
        }
        return 0;
    }
    value = LowBytesText(buffer);
    return 1;
}

void DriverParams::Write(const std::string& name, const std::string& value, int showError) {
    bool numeric = IsNumericName(name);
    DWORD number = numeric ? LeadingDecimal(value) : 0;
    HKEY key = 0;
    LONG result = RegOpenKeyEx(HKEY_LOCAL_MACHINE, KEY, 0, KEY_WRITE, &key);
    if (result == ERROR_SUCCESS) {
        WString wideName = Utf8ToWide(name);
        if (numeric) {
            result = RegSetValueEx(key, wideName.c_str(), 0, REG_DWORD,
                                   reinterpret_cast<const BYTE*>(&number), sizeof number);
        } else {
            WString text = Utf8ToWide(value);
            auto bytes = static_cast<DWORD>((text.size() + 1) * sizeof(char16_t));
            result = RegSetValueEx(key, wideName.c_str(), 0, REG_SZ,
                                   reinterpret_cast<const BYTE*>(text.c_str()), bytes);
        }
        RegCloseKey(key);
    }
    if (result != ERROR_SUCCESS && showError != 0) {
        MessageBox(0, StrFormat("registry %s can't be set, code:%d", name.c_str(), int(result)), "",
                   MB_OK);
    }
}

bool DriverParams::IsNumericName(const std::string& name) {
    return name == "DebugModule" || name == "CCXFlags" || name == "CCXMeaLimit";
}

// Leading decimal digits as an unsigned 32-bit number, saturating like the C library.
unsigned DriverParams::LeadingDecimal(const std::string& text) {
    constexpr unsigned long long MAX = std::numeric_limits<DWORD>::max();
    unsigned long long number = 0;
    for (char c : text) {
        if (c < '0' || c > '9') break;
        number = number * 10 + static_cast<unsigned>(c - '0');
        if (number > MAX) return static_cast<unsigned>(MAX);
    }
    return static_cast<unsigned>(number);
}

// Character i is the byte at 2i (the low byte of each UTF-16 unit), up to the first zero.
std::string DriverParams::LowBytesText(const unsigned char* buffer) {
    std::string bytes;
    for (unsigned i = 0; i < READ_BUFFER_BYTES / 2 && buffer[2 * i] != 0; ++i) {
        bytes.push_back(static_cast<char>(buffer[2 * i]));
    }
    return AnsiToUtf8(bytes);
}
