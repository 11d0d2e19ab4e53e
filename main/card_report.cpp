#include "main/card_report.h"

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "adapter/oid_adapter.h"
#include "link/driver_link.h"
#include "platform/core/clock.h"
#include "platform/core/text.h"
#include "platform/core/window_message.h"

namespace {

// Stands in for the main dialog's chooser: keeps the names the driver link adds.
class NameCollector {
  public:
    NameCollector()
        : window_(RegisterWindowProc([this](UINT message, WPARAM, LPARAM lParam) {
              if (message == CB_ADDSTRING)
                  names_.emplace_back(reinterpret_cast<const char*>(lParam));
              return LRESULT{0};
          })) {}
    ~NameCollector() { UnregisterWindowProc(window_); }
    HWND Window() const { return window_; }
    const std::vector<std::string>& Names() const { return names_; }

  private:
    std::vector<std::string> names_;
    HWND window_;
};

const char* ConnectionText(int state) {
    switch (state) {
        case 0:
            return "connected";
        case 1:
            return "disconnected";
        case 2:
            return "scanning";
        default:
            return "unknown";
    }
}

const char* BssTypeText(int type) {
    switch (type) {
        case 0:
            return "Infrastructure Station";
        case 1:
            return "Ad hoc station";
        case 2:
            return "AP";
        default:
            return "unknown";
    }
}

void AdvanceClock(DWORD ms) {
    if (auto* clock = dynamic_cast<VirtualClock*>(&PlatformClock())) clock->Advance(ms);
}

void PrintIdentity(std::ostream& out, OidAdapter& adapter) {
    std::string mac = "?", ssid, speed = "?", version = "?";
    int state = -1, type = -1, signal = 0;
    adapter.GetMacAddress(mac);
    out << "  MAC address:        " << mac << "\n";
    if (const AdapterChannel* channel = adapter.Channel(); channel && channel->IsOpen()) {
        out << "  maximum total size: " << channel->Adapter()->maxTotalSize << "\n";
    }
    adapter.GetSsid(ssid);
    adapter.GetConnectStatus(state);
    adapter.GetBssType(type);
    adapter.GetLinkSpeedText(speed);
    adapter.GetSignalStrength(signal);
    adapter.GetDriverVersion(version);
    out << "  SSID:               " << ssid << "\n"
        << "  connection:         " << ConnectionText(state) << "\n"
        << "  network type:       " << BssTypeText(type) << "\n"
        << "  link speed:         " << speed << "\n"
        << "  signal:             " << signal << " %\n"
        << "  driver version:     " << version << "\n";
}

void PrintNetworks(std::ostream& out, OidAdapter& adapter) {
    adapter.StartScan();
    AdvanceClock(3000);
    auto list = std::make_unique<NdisBssidList>();
    adapter.GetBssidList(*list);
    DWORD count = std::min<DWORD>(list->numberOfItems, MAX_NUM_SCAN_LIST);
    out << "  networks found:     " << list->numberOfItems << "\n";
    for (DWORD i = 0; i < count; ++i) {
        const NdisWlanBssid& entry = list->bssid[i];
        std::string ssid(reinterpret_cast<const char*>(entry.ssid),
                         std::min<DWORD>(entry.ssidLength, 32));
        const BYTE* m = entry.macAddress.data();
        out << StrFormat("    %-32s %02x-%02x-%02x-%02x-%02x-%02x %4d dBm %6u kHz\n",
                         AnsiToUtf8(ssid).c_str(), m[0], m[1], m[2], m[3], m[4], m[5],
                         static_cast<int>(entry.rssi), entry.configuration.dsConfig);
    }
}

void PrintTraffic(std::ostream& out, OidAdapter& adapter) {
    for (int sample = 0; sample < 2; ++sample) {
        ULONGLONG tx = 0, rx = 0;
        DWORD sent = 0, sendErrors = 0, received = 0, goodCrc = 0, rxErrors = 0;
        adapter.GetStatistics(tx, rx, sent, sendErrors, received, goodCrc, rxErrors);
        out << StrFormat(
            "  traffic at %6u ms: tx %llu bytes / %u frames / %u errors, "
            "rx %llu bytes / %u frames / %u errors\n",
            GetTickCount(), static_cast<unsigned long long>(tx), sent, sendErrors,
            static_cast<unsigned long long>(rx), received, rxErrors);
        if (sample == 0) AdvanceClock(3000);
    }
}

}  // namespace

int RunCardReport(std::ostream& out) {
    DriverLink link;
    link.Start();
    NameCollector chooser;
    link.EnumerateAdapters(chooser.Window());
    out << "wireless adapters: " << chooser.Names().size() << "\n";
    for (const auto& name : chooser.Names()) out << "  " << name << "\n";
    if (!chooser.Names().empty()) {
        out << "adapter " << chooser.Names().front() << ":\n";
        OidAdapter adapter(Utf8ToWide(chooser.Names().front()));
        PrintIdentity(out, adapter);
        PrintNetworks(out, adapter);
        PrintTraffic(out, adapter);
    }
    link.Stop();
    out << "driver link stopped\n";
    return chooser.Names().empty() ? 1 : 0;
}
