// The OIDs a card answers: for each, the buffer sizes it needs and its query and set handlers.
// Dispatch checks direction, sizes and wireless-only OIDs, so handlers see whole records.
#pragma once

#include <functional>
#include <map>
#include <vector>

#include "platform/core/win_types.h"

class CardModel;

// One OID request as the card sees it, and its outcome.
struct OidCall {
    DWORD type = 0;  // 0 query, 1 set
    DWORD oid = 0;
    DWORD length = 0;         // information buffer length
    std::vector<BYTE> input;  // the buffer's bytes as received (length bytes)
};

struct OidResult {
    DWORD status = 0;
    std::vector<BYTE> data;  // reply of a query; never longer than the call's length
    DWORD bytesTransferred = 0;
    DWORD bytesNeeded = 0;
};

struct OidHandler {
    DWORD queryLength = 0;  // smallest query buffer
    DWORD setLength = 0;    // payload of a set; longer payloads are read up to this size
    bool wirelessOnly = true;
    // Returns the reply (status 0) or a failure status; null: the OID cannot be queried.
    std::function<OidResult(const OidCall&)> query;
    // Gets the first setLength bytes of the payload; returns an NDIS status. Null: no set.
    std::function<DWORD(const std::vector<BYTE>&)> set;
};

class OidTable {
  public:
    // Every OID the simulated card answers, with handlers that work on its model; the model
    // must outlive the table.
    static OidTable ForCard(CardModel& model);

    void Add(DWORD oid, OidHandler handler);
    // A 32-bit value read and written as is; a null setter makes it read-only.
    void AddValue(DWORD oid, std::function<DWORD()> get, std::function<DWORD(DWORD)> set = {},
                  bool wirelessOnly = true);
    // A 32-bit setting stored in `field`; values outside [low, high] are refused with an
    // invalid-data status.
    void AddSetting(DWORD oid, DWORD& field, DWORD low = 0, DWORD high = 0xFFFFFFFFu);
    // As AddSetting, for a setting whose accepted values are listed.
    void AddChoice(DWORD oid, DWORD& field, std::function<bool(DWORD)> accepted);
    // A fixed-size record; a null setter makes it read-only, a null getter write-only.
    void AddRecord(DWORD oid, DWORD size, std::function<std::vector<BYTE>()> get,
                   std::function<DWORD(const std::vector<BYTE>&)> set = {});
    // An 8-byte record of two 32-bit words, read back as last set.
    void AddWordPair(DWORD oid, DWORD& first, DWORD& second);
    // A set without payload that runs a command.
    void AddCommand(DWORD oid, std::function<void()> run);

    OidResult Dispatch(const OidCall& call, bool wirelessCard) const;

    static OidResult Reply(std::vector<BYTE> data);
    static OidResult Failure(DWORD status);

  private:
    // The card's OID families: settings, link and scans (station_oids.cpp); counters, keys,
    // registers, EEPROM and diagnostics (diagnostic_oids.cpp).
    void AddStationOids(CardModel& model);
    void AddDiagnosticOids(CardModel& model);

    OidResult Query(const OidHandler& handler, const OidCall& call) const;
    OidResult Set(const OidHandler& handler, const OidCall& call) const;

    std::map<DWORD, OidHandler> handlers_;
};
