// The request trace (--trace, the script's `trace on|off`): one line per OID request the
// utility sends and its answer, and one per registry write of a driver's parameters, in the
// order they happen (docs/trace.md). It watches the platform's device calls, named-event
// signals and registry writes; the utility does not know it is traced.
#pragma once

#include <map>
#include <mutex>
#include <ostream>
#include <string>
#include <string_view>

#include "link/oid_request.h"
#include "platform/core/win_types.h"

class RequestTrace {
  public:
    static RequestTrace& Instance();

    // Installs the platform observers (once), so that adapters opened before the trace starts
    // are known by name.
    void Install();
    // Writes to `out` (not owned; it must outlive its use) from now on; null stops.
    void SetOutput(std::ostream* out);
    // Starts again on the last output given, or on `fallback` when there was none.
    void Resume(std::ostream& fallback);
    bool Enabled() const;
    // Stops and forgets the last output (the program's run is over).
    void Reset();

  private:
    void OnDeviceCall(HANDLE device, DWORD code, const void* in, DWORD inSize, BOOL ok);
    void OnEventSignal(std::u16string_view name);
    void OnRegistryWrite(const std::string& keyPath, const std::string& name, DWORD type,
                         const BYTE* data, DWORD size, LONG result);
    void WriteRequest(const RequestBlock& block, const char* answer);
    std::string AdapterOf(DWORD device) const;
    void Line(const std::string& text);

    mutable std::mutex mutex_;
    std::ostream* out_ = nullptr;
    std::ostream* last_ = nullptr;
    bool installed_ = false;
    std::map<DWORD, std::string> adapters_;  // "RAD4:" handle -> adapter opened on it
};
