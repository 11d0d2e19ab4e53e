// OidAdapter: authentication, WEP and the key table.
#include <algorithm>
#include <cstring>

#include "adapter/oid_adapter.h"
#include "adapter/oid_codes.h"
#include "adapter/oid_payloads.h"
#include "platform/core/text.h"

namespace {

constexpr BYTE WEP_KEY_SET = 0;
constexpr BYTE WEP_KEY_GET = 1;
// Byte of the key entry the driver reads as "select this index".
constexpr std::size_t KEY_ENTRY_SELECT_BYTE = 9;

}  // namespace

// Q OID_PRIV_AUTH_TYPE, 4: 0, 1, 2 as read, anything else -1.
int OidAdapter::GetAuthType(int& type) {
    return Checked(
        QueryWord(OID_PRIV_AUTH_TYPE, [&](DWORD v) { type = v <= 2 ? static_cast<int>(v) : -1; }));
}

// S OID_PRIV_AUTH_TYPE, 4. Registry "AuthType".
int OidAdapter::SetAuthType(int type) {
    if (type < 0 || type > 2) return 0;
    return SetAndStore(OID_PRIV_AUTH_TYPE, static_cast<DWORD>(type), "AuthType", type);
}

// Q OID_PRIV_WEP_STATUS, 4: 0 gives 1 (encryption on), 1 or 2 give 0, else -1.
int OidAdapter::GetWepStatus(int& status) {
    return Checked(QueryWord(OID_PRIV_WEP_STATUS, [&](DWORD v) {
        status = v == 0 ? 1 : (v == 1 || v == 2) ? 0 : -1;
    }));
}

// S OID_PRIV_WEP_DISABLE, 4: 0 for a non-zero flag, 1 for zero.
int OidAdapter::SetWepEnabled(int enabled) {
    return SendValue(OID_PRIV_WEP_DISABLE, enabled != 0 ? 0 : 1) ? 1 : 0;
}

// S then Q OID_PRIV_WEP_KEY, 17: the first `keyBytes` (at most 16) bytes of the parsed hex
// text in a zeroed 16-byte block, then the mode byte; `reply` = the 16 key bytes returned.
int OidAdapter::WepKeyExchange(const std::string& hexText, int keyBytes, BYTE mode, WepKey& reply) {
    WepKeyRecord record{};
    auto count = static_cast<std::size_t>(std::clamp(keyBytes, 0, int(sizeof record.key)));
    ParseHexBytes(hexText, std::span<BYTE>(record.key, count));
    record.mode = mode;
    if (!Exchange(OID_PRIV_WEP_KEY, record)) return 0;
    std::copy(std::begin(record.key), std::end(record.key), reply.begin());
    return 1;
}

// WepKeyExchange in set mode; `reply` = 32 lower-case hex digits.
int OidAdapter::SetWepKeyText(std::string hexText, int length, std::string& reply) {
    reply.clear();
    WepKey key{};
    if (!WepKeyExchange(hexText, length, WEP_KEY_SET, key)) return 0;
    reply = HexText(key.data(), key.size(), HexCase::Lower);
    return 1;
}

// WepKeyExchange of all 16 bytes in get mode; `reply` = the first `count` bytes, "%02x" each.
int OidAdapter::GetWepKeyText(std::string hexText, int count, std::string& reply) {
    reply.clear();
    WepKey key{};
    if (!WepKeyExchange(hexText, int(key.size()), WEP_KEY_GET, key)) return 0;
    reply = HexText(key.data(), static_cast<std::size_t>(std::clamp(count, 0, int(key.size()))),
                    HexCase::Lower);
    return 1;
}

// S OID_PRIV_KEY_ENTRY, 48: the record as given.
int OidAdapter::SetKeyEntry(const KeyEntry& entry) {
    return SendRecord(OID_PRIV_KEY_ENTRY, entry) ? 1 : 0;
}

// S then Q OID_PRIV_KEY_ENTRY, 48: a zeroed record with the index in bytes 0..3 and 0xFF in
// byte 9; `entry` = the reply.
int OidAdapter::GetKeyEntry(int index, KeyEntry& entry) {
    KeyEntry record{};
    auto keyIndex = static_cast<DWORD>(index);
    std::memcpy(record.data(), &keyIndex, sizeof keyIndex);
    record[KEY_ENTRY_SELECT_BYTE] = 0xFF;
    if (!Exchange(OID_PRIV_KEY_ENTRY, record)) return 0;
    entry = record;
    return 1;
}
