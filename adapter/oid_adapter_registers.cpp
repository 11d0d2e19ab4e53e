// OidAdapter: MAC registers, EEPROM and the diagnostic requests.
#include <cstring>

#include "adapter/oid_adapter.h"
#include "adapter/oid_codes.h"
#include "adapter/oid_payloads.h"

// MAC registers and EEPROM.

// S then Q OID_PRIV_MAC_REGISTER, 12: a read request for `address`; `value` = the reply's.
int OidAdapter::ReadMacRegister(int address, DWORD& value) {
    MacRegisterRequest request{REGISTER_READ, {}, static_cast<DWORD>(address), 0};
    if (!Exchange(OID_PRIV_MAC_REGISTER, request)) return 0;
    value = request.value;
    return 1;
}

// S OID_PRIV_MAC_REGISTER, 12: a write request.
int OidAdapter::WriteMacRegister(int address, const DWORD& value) {
    MacRegisterRequest request{REGISTER_WRITE, {}, static_cast<DWORD>(address), value};
    return SendRecord(OID_PRIV_MAC_REGISTER, request) ? 1 : 0;
}

// S then Q OID_PRIV_EEPROM, 6: a read request of the size, in bytes.
int OidAdapter::GetEepromSize(WORD& size) {
    EepromRequest request{REGISTER_READ, EEPROM_TARGET_SIZE, 0, 0, 0};
    if (!Exchange(OID_PRIV_EEPROM, request)) return 0;
    size = request.value;
    return 1;
}

// S OID_PRIV_EEPROM, 6: a write request of the word at the address's low byte.
int OidAdapter::WriteEepromWord(int address, int value) {
    EepromRequest request{REGISTER_WRITE, EEPROM_TARGET_WORD, static_cast<BYTE>(address), 0,
                          static_cast<WORD>(value)};
    return SendRecord(OID_PRIV_EEPROM, request) ? 1 : 0;
}

// S then Q OID_PRIV_EEPROM, 6: a read request of the word at the address's low byte.
int OidAdapter::ReadEepromWord(int address, WORD& value) {
    EepromRequest request{REGISTER_READ, EEPROM_TARGET_WORD, static_cast<BYTE>(address), 0, 0};
    if (!Exchange(OID_PRIV_EEPROM, request)) return 0;
    value = request.value;
    return 1;
}

// Diagnostics.

// S OID_PRIV_DIAG_COMMAND_806, no payload.
int OidAdapter::DiagCommand806() { return SendCommand(OID_PRIV_DIAG_COMMAND_806) ? 1 : 0; }

// S OID_PRIV_OPTION_50D, 4.
int OidAdapter::SetOption50D(int value) {
    return SendValue(OID_PRIV_OPTION_50D, static_cast<DWORD>(value)) ? 1 : 0;
}

// S OID_PRIV_DIAG_SET_80E, 8: a, b.
int OidAdapter::DiagSet80E(int a, int b) {
    Diag80ERequest request{static_cast<DWORD>(a), static_cast<DWORD>(b)};
    return SendRecord(OID_PRIV_DIAG_SET_80E, request) ? 1 : 0;
}

// S OID_PRIV_DIAG_804, 8: the low byte of a, three zero bytes, b.
int OidAdapter::DiagSet804(int a, int b, int skip) {
    if (!HasChannel()) return 0;
    if (skip != 0) return 1;
    Diag804Request request{static_cast<BYTE>(a), {}, static_cast<DWORD>(b)};
    return SendRecord(OID_PRIV_DIAG_804, request) ? 1 : 0;
}

// Q OID_PRIV_DIAG_804, 8: the low byte of a, then zeros; the reply is dropped.
int OidAdapter::DiagGet804(int a, int skip) {
    if (!HasChannel()) return 0;
    if (skip != 0) return 1;
    Diag804Request request{static_cast<BYTE>(a), {}, 0};
    return Unchecked(Query(OID_PRIV_DIAG_804, &request, sizeof request));
}

// S OID_PRIV_DIAG_COMMAND_80B, OID_PRIV_DIAG_COMMAND_80A and OID_PRIV_DIAG_COMMAND_809, no payload.
int OidAdapter::DiagCommand80B() { return SendCommand(OID_PRIV_DIAG_COMMAND_80B) ? 1 : 0; }
int OidAdapter::DiagCommand80A() { return SendCommand(OID_PRIV_DIAG_COMMAND_80A) ? 1 : 0; }
int OidAdapter::DiagCommand809() { return SendCommand(OID_PRIV_DIAG_COMMAND_809) ? 1 : 0; }

// Q OID_PRIV_DIAG_808, 48.
int OidAdapter::DiagGet808(DiagBlock808& block) {
    return Unchecked(QueryRecord(OID_PRIV_DIAG_808, block));
}

// S OID_PRIV_DIAG_COMMAND_906 and OID_PRIV_DIAG_COMMAND_901, no payload.
int OidAdapter::DiagCommand906() { return SendCommand(OID_PRIV_DIAG_COMMAND_906) ? 1 : 0; }
int OidAdapter::DiagCommand901() { return SendCommand(OID_PRIV_DIAG_COMMAND_901) ? 1 : 0; }

// S OID_PRIV_DIAG_WRITE_807, 2360: length at 0, the data at 4, d at 2352, c at 2356. A length
// outside 0..2348, or data missing: 0, no request.
int OidAdapter::DiagWrite807(const BYTE* data, int length, int c, int d) {
    if (length < 0 || length > int(DIAG_807_DATA_MAX) || (length > 0 && data == nullptr)) return 0;
    Diag807Request request{};
    request.length = static_cast<DWORD>(length);
    if (length > 0) std::memcpy(request.data, data, static_cast<std::size_t>(length));
    request.d = static_cast<DWORD>(d);
    request.c = static_cast<DWORD>(c);
    return SendRecord(OID_PRIV_DIAG_WRITE_807, request) ? 1 : 0;
}
