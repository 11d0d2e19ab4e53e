// The OIDs a card answers: for each, the buffer sizes it needs and its query and set handlers.
// Dispatch checks direction, sizes and wireless-only OIDs, so handlers see whole records.
#pragma once

#include <functional>
#include <map>
#include <vector>

#include "platform/core/win_types.h"
#include "sim/oid_call.h"

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
    void Add(DWORD oid, OidHandler handler);
    // A 32-bit value read and written as is; a null setter makes it read-only.
    void AddValue(DWORD oid, std::function<DWORD()> get, std::function<DWORD(DWORD)> set = {},
                  bool wirelessOnly = true);
    // A fixed-size record; a null setter makes it read-only, a null getter write-only.
    void AddRecord(DWORD oid, DWORD size, std::function<std::vector<BYTE>()> get,
                   std::function<DWORD(const std::vector<BYTE>&)> set = {});
    // A set without payload that runs a command.
    void AddCommand(DWORD oid, std::function<void()> run);

    OidResult Dispatch(const OidCall& call, bool wirelessCard) const;
    bool Knows(DWORD oid) const { return handlers_.count(oid) != 0; }

    static OidResult Reply(std::vector<BYTE> data);
    static OidResult Failure(DWORD status);

  private:
    OidResult Query(const OidHandler& handler, const OidCall& call) const;
    OidResult Set(const OidHandler& handler, const OidCall& call) const;

    std::map<DWORD, OidHandler> handlers_;
};
