// The world the simulated driver runs in: protocol-driver behaviour, the bound adapters and
// their cards, the networks in range, traffic and faults. Read from a JSON scenario file
// (docs/scenario.md) or taken from the built-in default.
#pragma once

#include <array>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/core/win_types.h"
#include "sim/card_settings.h"

using MacAddress = std::array<BYTE, 6>;

// A seeded random walk of a signal around its base value: every intervalMs the signal moves by
// at most stepDb, staying within base +/- rangeDb. stepDb 0 keeps the signal still.
struct SignalWander {
    int stepDb = 0;
    DWORD intervalMs = 1000;
    int rangeDb = 0;

    bool operator==(const SignalWander&) const = default;
};

struct NetworkSpec {
    std::string ssid;  // bytes, at most 32
    MacAddress bssid{};
    int channel = 1;
    DWORD privacy = 0;        // 1: encryption required; any other value as given
    DWORD mode = 1;           // 0 ad hoc, 1 infrastructure, any other value as given
    std::vector<BYTE> rates;  // 500 kbit/s units, 0x80 marks a basic rate; at most 8
    int signalDbm = -60;
    SignalWander wander;
    DWORD beaconPeriod = 100;
    DWORD inRangeFromMs = 0;              // world time the network appears
    std::optional<DWORD> inRangeUntilMs;  // world time it disappears; never when absent

    bool operator==(const NetworkSpec&) const = default;
};

struct LinkSpec {
    bool connected = false;
    std::string ssid;
    MacAddress bssid{};
    int channel = 1;
    int signalDbm = -100;
    SignalWander wander;
    DWORD linkSpeed = 0;                 // OID_GEN_LINK_SPEED, 100 bit/s units
    std::optional<DWORD> quality;        // kLinkQuality; derived from the signal when absent
    DWORD scanState = 0;                 // kScanState while disconnected
    std::optional<DWORD> connectStatus;  // overrides 0 connected / 1 disconnected

    bool operator==(const LinkSpec&) const = default;
};

// Rates per second of connected time; counters start at 0 when the driver loads.
struct TrafficSpec {
    double txBytesPerSec = 0;
    double rxBytesPerSec = 0;
    double txFramesPerSec = 0;
    double rxFramesPerSec = 0;
    double txErrorsPerSec = 0;
    double rxErrorsPerSec = 0;

    bool operator==(const TrafficSpec&) const = default;
};

enum class FaultKind {
    SubmitFailure,  // the device call fails with `value` as the platform error
    Status,         // the request completes with NDIS status `value`
    Pending,        // the request pends and completes from the worker thread
    Reply,          // a query is answered with `data` (status 0)
    ListCount,      // the network list reports `value` as its count
};
enum class RequestMatch { Any, Query, Set };

struct FaultSpec {
    std::optional<DWORD> oid;  // none: every OID
    RequestMatch request = RequestMatch::Any;
    FaultKind kind = FaultKind::Status;
    DWORD value = 0;
    std::vector<BYTE> data;
    std::optional<DWORD> times;  // applies to this many matching requests, then no more
    // Only requests whose record names this register or EEPROM word (RegisterAddress).
    std::optional<DWORD> address = std::nullopt;

    bool operator==(const FaultSpec&) const = default;
};

// The longest adapter name: what the utility's 128-byte binding list holds besides the name's
// terminator and the list's.
constexpr std::size_t kMaxAdapterName = 62;
// The largest scenario file read; a larger one is refused unread.
constexpr std::size_t kMaxScenarioBytes = 1024 * 1024;

struct AdapterSpec {
    WString name;
    bool wireless = true;
    MacAddress mac{};
    DWORD maxTotalSize = 1514;
    bool apModeSupported = true;
    DWORD apInfoMode = 1;  // second word of kApInfo: 1 mixed, 2 802.11g only, else 802.11b
    std::string parametersKey = "Comm\\KESTREL1\\Parms";
    // The card's device name in "Drivers\Active"; "KES1:", "KES2:", ... by default.
    std::string deviceName;
    CardSettings settings;
    LinkSpec link;
    TrafficSpec traffic;
    DWORD scanTimeMs = 2000;
    DWORD eepromSize = 512;                   // bytes
    std::map<DWORD, WORD> eepromWords;        // contents of a fresh EEPROM, by word address
    std::map<DWORD, DWORD> macRegisters;      // by byte address, 0x000 to 0x4FC
    std::map<DWORD, BYTE> basebandRegisters;  // by index, 0 to 127
    std::optional<bool> macFlag;              // bit 30 of MAC register 0x2F4
    std::vector<FaultSpec> faults;
    // The IPv4 address the network stack lists for the adapter while its link is up; absent:
    // 192.0.2.15 for the first adapter, .16 for the second, ...; empty: never listed.
    std::optional<std::string> ipAddress;
    std::string ipMask = "255.255.255.0";

    bool operator==(const AdapterSpec&) const = default;
};

// Another device in the registry's "Drivers\Active" list while the simulator runs.
struct ActiveDeviceSpec {
    std::string name;  // device name, as "COM2:"
    std::string key;   // its driver key

    bool operator==(const ActiveDeviceSpec&) const = default;
};

// Something that happens to the simulated hardware: a scenario event at a world time, or a
// script's `sim` command.
enum class SimEventKind {
    RemoveCard,
    RemoveDevice,
    LinkDown,
    LinkUp,
    ScanState,
    Signal,
    RestartCounters
};

struct SimEvent {
    SimEventKind kind = SimEventKind::LinkDown;
    DWORD atMs = 0;                   // world time of a scenario event
    WString adapter;                  // the wireless adapter it concerns; empty: the first one
    std::string deviceName;           // RemoveDevice
    DWORD scanState = 0;              // ScanState: the code kScanState reports
    std::optional<MacAddress> bssid;  // ScanState: the BSSID kBssid reports from now on
    int signalDbm = 0;                // Signal: the link's new base level

    bool operator==(const SimEvent&) const = default;
};

struct ProtocolDriverSpec {
    DWORD apiVersion = 0x0400040E;
    DWORD attachStatus = 0;
    bool registrationFails = false;
    DWORD registrationError = ERROR_GEN_FAILURE;
    bool alreadyPresent = false;         // registered at install, as another process would
    std::optional<DWORD> unloadAnswer;   // automatic when absent
    std::optional<WString> rawBindings;  // verbatim UTF-16 units of the binding list
    // Byte count the binding-list call reports instead of the bytes it copied.
    std::optional<DWORD> reportedBindingBytes;
    DWORD pendingDelayMs = 5;  // real time before a pending request completes

    bool operator==(const ProtocolDriverSpec&) const = default;
};

struct Scenario {
    DWORD seed = 1;
    ProtocolDriverSpec driver;
    std::string driverVersion = "2.5.0.17";  // the installation's "DriverVersion" value
    // OID_GEN_VENDOR_DRIVER_VERSION; major << 16 | minor of driverVersion when absent.
    std::optional<DWORD> vendorDriverVersion;
    std::vector<AdapterSpec> adapters;
    std::vector<NetworkSpec> networks;
    std::vector<ActiveDeviceSpec> activeDevices;
    std::vector<SimEvent> events;

    bool operator==(const Scenario&) const = default;

    // One wireless adapter, associated, with a few networks in range.
    static Scenario Default();
    // Throw ScenarioError (sim/scenario_error.h) naming the JSON path of the fault.
    static Scenario Parse(const std::string& jsonText);
    static Scenario LoadFile(const std::string& path);
};
