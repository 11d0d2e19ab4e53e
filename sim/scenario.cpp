#include "sim/scenario.h"

#include "platform/registry/atomic_file.h"
#include "sim/scenario_error.h"

namespace {

// One wireless card associated with "Harbor", three more networks in range.
constexpr const char* kDefaultScenario = R"json({
  "seed": 1,
  "driverVersion": "2.5.0.17",
  "adapters": [
    {
      "name": "KESTREL1",
      "mac": "00-0A-0B-1C-2D-3E",
      "link": {
        "connected": true,
        "ssid": "Harbor",
        "bssid": "02-1A-2B-3C-4D-01",
        "channel": 6,
        "signalDbm": -54,
        "wander": { "stepDb": 1, "intervalMs": 1000, "rangeDb": 4 },
        "linkSpeed": 110000
      },
      "traffic": {
        "txBytesPerSec": 1800, "rxBytesPerSec": 12500,
        "txFramesPerSec": 14, "rxFramesPerSec": 22,
        "txErrorsPerSec": 0.05, "rxErrorsPerSec": 0.1
      },
      "macFlag": true,
      "eeprom": { "size": 512, "words": { "19": "0x0104" } }
    }
  ],
  "networks": [
    { "ssid": "Harbor", "bssid": "02-1A-2B-3C-4D-01", "channel": 6, "privacy": true,
      "rates": ["0x82", "0x84", "0x8B", "0x96"], "signalDbm": -54,
      "wander": { "stepDb": 2, "intervalMs": 1000, "rangeDb": 5 } },
    { "ssid": "Orchard-Guest", "bssid": "02-1A-2B-3C-4D-02", "channel": 1,
      "rates": ["0x82", "0x84", "0x8B", "0x96", 12, 24, 48, 108], "signalDbm": -71,
      "wander": { "stepDb": 2, "intervalMs": 1000, "rangeDb": 6 } },
    { "ssid": "Lighthouse", "bssid": "02-5E-11-22-33-44", "channel": 11, "privacy": true,
      "rates": ["0x82", "0x84", "0x8B", "0x96"], "signalDbm": -83,
      "wander": { "stepDb": 3, "intervalMs": 1000, "rangeDb": 6 } },
    { "ssid": "meshnode", "bssid": "02-77-88-99-AA-BB", "channel": 3, "mode": "adhoc",
      "rates": [2, 4], "signalDbm": -77 }
  ]
})json";

}  // namespace

Scenario Scenario::Default() { return Parse(kDefaultScenario); }

Scenario Scenario::LoadFile(const std::string& path) {
    std::string text, error;
    if (!ReadWholeFile(path, &text, &error, kMaxScenarioBytes)) {
        throw ScenarioError("scenario file '" + path + "': " + error);
    }
    try {
        return Parse(text);
    } catch (const ScenarioError& e) {
        throw ScenarioError("scenario file '" + path + "': " + e.what());
    }
}
