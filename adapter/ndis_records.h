// Records the driver fills or reads, in its fixed little-endian 32-bit layouts. The pages read
// the same records, so each layout is defined here once and checked at compile time.
#pragma once

#include <array>
#include <cstddef>

#include "platform/core/win_types.h"

using MacAddress = std::array<BYTE, 6>;

// Frequency-hopping part of the 802.11 configuration record (unused by this utility).
struct NdisConfigurationFh {
    DWORD length;
    DWORD hopPattern;
    DWORD hopSet;
    DWORD dwellTime;
};

// The 802.11 configuration record: beacon period, ATIM window, DS frequency in kHz.
struct NdisConfiguration {
    DWORD length;
    DWORD beaconPeriod;
    DWORD atimWindow;
    DWORD dsConfig;
    NdisConfigurationFh fhConfig;
};
static_assert(sizeof(NdisConfiguration) == 32);
static_assert(offsetof(NdisConfiguration, beaconPeriod) == 4);
static_assert(offsetof(NdisConfiguration, atimWindow) == 8);
static_assert(offsetof(NdisConfiguration, dsConfig) == 12);
static_assert(offsetof(NdisConfiguration, fhConfig) == 16);

constexpr DWORD NDIS_SSID_MAX = 32;
constexpr DWORD NDIS_RATES_MAX = 8;

// One network of the scan list.
struct NdisWlanBssid {
    DWORD length;           // 104
    MacAddress macAddress;  // BSSID
    BYTE reserved[2];
    DWORD ssidLength;          // 0 to 32
    BYTE ssid[NDIS_SSID_MAX];  // not terminated when 32 long
    DWORD privacy;             // 1: encryption required
    LONG rssi;                 // dBm
    DWORD networkTypeInUse;
    NdisConfiguration configuration;
    DWORD infrastructureMode;             // 0 ad hoc, 1 infrastructure, else automatic/unknown
    BYTE supportedRates[NDIS_RATES_MAX];  // 500 kbit/s units, zero-padded
};
static_assert(sizeof(NdisWlanBssid) == 104);
static_assert(offsetof(NdisWlanBssid, macAddress) == 4);
static_assert(offsetof(NdisWlanBssid, reserved) == 10);
static_assert(offsetof(NdisWlanBssid, ssidLength) == 12);
static_assert(offsetof(NdisWlanBssid, ssid) == 16);
static_assert(offsetof(NdisWlanBssid, privacy) == 48);
static_assert(offsetof(NdisWlanBssid, rssi) == 52);
static_assert(offsetof(NdisWlanBssid, networkTypeInUse) == 56);
static_assert(offsetof(NdisWlanBssid, configuration) == 60);
static_assert(offsetof(NdisWlanBssid, configuration) + offsetof(NdisConfiguration, dsConfig) == 72);
static_assert(offsetof(NdisWlanBssid, infrastructureMode) == 92);
static_assert(offsetof(NdisWlanBssid, supportedRates) == 96);

// The largest network list the utility accepts.
constexpr DWORD MAX_NUM_SCAN_LIST = 32;

// The network list: a count and up to 32 entries packed one after the other.
struct NdisBssidList {
    DWORD numberOfItems;
    NdisWlanBssid bssid[MAX_NUM_SCAN_LIST];
};
static_assert(sizeof(NdisBssidList) == 3332);
static_assert(offsetof(NdisBssidList, bssid) == 4);

// Counters of the 802.11 statistics record, in record order.
enum StatisticsCounter : std::size_t {
    STAT_TRANSMITTED_FRAGMENTS,
    STAT_MULTICAST_TRANSMITTED_FRAMES,
    STAT_FAILED,
    STAT_RETRY,
    STAT_MULTIPLE_RETRY,
    STAT_RTS_SUCCESS,
    STAT_RTS_FAILURE,
    STAT_ACK_FAILURE,
    STAT_FRAME_DUPLICATES,
    STAT_RECEIVED_FRAGMENTS,
    STAT_MULTICAST_RECEIVED_FRAMES,
    STAT_FCS_ERRORS,
    STAT_COUNTER_COUNT
};

// The 802.11 statistics record: length, padding, twelve 64-bit counters.
struct NdisStatistics {
    DWORD length;
    DWORD padding;
    ULONGLONG counters[STAT_COUNTER_COUNT];
};
static_assert(sizeof(NdisStatistics) == 104);
static_assert(offsetof(NdisStatistics, counters) == 8);
static_assert(offsetof(NdisStatistics, counters) + 8 * STAT_FRAME_DUPLICATES == 72);
static_assert(offsetof(NdisStatistics, counters) + 8 * STAT_RECEIVED_FRAGMENTS == 80);
static_assert(offsetof(NdisStatistics, counters) + 8 * STAT_FCS_ERRORS == 96);

// The twelve statistics outputs, low 32 bits of each counter.
using StatisticsDetail = std::array<DWORD, STAT_COUNTER_COUNT>;

constexpr BYTE REGISTER_READ = 1;
constexpr BYTE REGISTER_WRITE = 0;

// MAC register request: a read is a set of the request then a query of the reply.
struct MacRegisterRequest {
    BYTE direction;  // REGISTER_READ or REGISTER_WRITE
    BYTE reserved[3];
    DWORD address;
    DWORD value;  // 0 in a read, the value in a write, the content in a read's reply
};
static_assert(sizeof(MacRegisterRequest) == 12);
static_assert(offsetof(MacRegisterRequest, address) == 4);
static_assert(offsetof(MacRegisterRequest, value) == 8);

constexpr BYTE EEPROM_TARGET_SIZE = 0;
constexpr BYTE EEPROM_TARGET_WORD = 1;

// EEPROM request, addressed in 16-bit words.
struct EepromRequest {
    BYTE direction;  // REGISTER_READ or REGISTER_WRITE
    BYTE target;     // EEPROM_TARGET_WORD or EEPROM_TARGET_SIZE
    BYTE address;    // word address
    BYTE reserved;
    WORD value;  // 0 in a read, the word in a write; the word or the size in bytes in a reply
};
static_assert(sizeof(EepromRequest) == 6);
static_assert(offsetof(EepromRequest, target) == 1);
static_assert(offsetof(EepromRequest, address) == 2);
static_assert(offsetof(EepromRequest, value) == 4);

// Access-point mode record; apMode: 1 mixed, 2 802.11g only, else 802.11b only.
struct ApInfoRecord {
    DWORD reserved0;
    DWORD apMode;
    DWORD reserved[3];
};
static_assert(sizeof(ApInfoRecord) == 20);
static_assert(offsetof(ApInfoRecord, apMode) == 4);

constexpr DWORD AP_MODE_MIXED = 1;
constexpr DWORD AP_MODE_G_ONLY = 2;

// Opaque driver records passed through uninterpreted.
using InfoBlock = std::array<BYTE, 724>;
using KeyEntry = std::array<BYTE, 48>;
using DiagBlock808 = std::array<BYTE, 48>;
