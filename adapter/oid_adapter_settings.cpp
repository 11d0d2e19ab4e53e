// OidAdapter: network type, rates, configuration and radio settings.
#include <algorithm>

#include "adapter/oid_adapter.h"
#include "adapter/oid_codes.h"
#include "adapter/oid_payloads.h"
#include "platform/core/text.h"

namespace {

constexpr DWORD AP_MODE_STATION = 1;
constexpr DWORD AP_MODE_ACCESS_POINT = 2;
constexpr DWORD INFRASTRUCTURE = 1;
constexpr DWORD AD_HOC = 0;

// Rates in 500 kbit/s units, in the order of the rate choices 1 to 4 and their flags.
constexpr BYTE RATE_UNITS[] = {2, 4, 11, 22};
constexpr int RATE_AUTO_MASK = 15;

// Power mode and antenna: interface value -> driver value.
constexpr DWORD POWER_MODE_TO_DRIVER[] = {0, 2, 1};
constexpr LONG ANTENNA_TO_DRIVER[] = {0, 1, -1};

std::string Decimal(int value) { return StrFormat("%d", value); }

// Flag bit of a rate in 500 kbit/s units, 0 for a rate outside 802.11b.
int RateFlag(BYTE rate) {
    for (int i = 0; i < 4; ++i) {
        if (rate == RATE_UNITS[i]) return 1 << i;
    }
    return 0;
}

}  // namespace

int OidAdapter::SetAndStore(DWORD oid, DWORD value, const char* name, int registryValue) {
    if (!SendValue(oid, value)) return 0;
    WriteRegistryValue(name, Decimal(registryValue), 0);
    return 1;
}

// Network type.

// Q OID_PRIV_AP_MODE, 4: access point gives type 2, result 2. Otherwise
// Q OID_PRIV_INFRASTRUCTURE_MODE, 4: ad hoc gives 1, infrastructure 0. Result bits: 8 when the
// second query was made, 4 when not, +1 when the first was not answered (not made or refused).
int OidAdapter::GetBssType(int& type) {
    DWORD apMode = 0;
    Reply first = Query(OID_PRIV_AP_MODE, &apMode, sizeof apMode);
    if (first == Reply::Answered && apMode == AP_MODE_ACCESS_POINT) {
        type = 2;
        return 2;
    }
    Reply second = QueryWord(OID_PRIV_INFRASTRUCTURE_MODE, [&](DWORD v) {
        if (v == AD_HOC) type = 1;
        if (v == INFRASTRUCTURE) type = 0;
    });
    int result = second == Reply::NotIssued ? 4 : 8;
    // Bit 0: the driver gave no answer to the access-point query, whether no request could
    // be made or the driver refused it; such a driver cannot be an access point.
    return first != Reply::Answered ? result | 1 : result;
}

// S OID_PRIV_AP_MODE, 4 (station, or access point for type 2), then
// S OID_PRIV_INFRASTRUCTURE_MODE, 4 (ad hoc for type 1). Registry "BssType" (by GetDeviceClass) and
// "DeviceType" (1 station, 2 access point), with messages. A first set that went out stays in
// effect when the second fails.
int OidAdapter::SetBssType(int type) {
    if (type < 0 || type > 2) return 0;
    DWORD apMode = type == 2 ? AP_MODE_ACCESS_POINT : AP_MODE_STATION;
    DWORD infrastructure = type == 1 ? AD_HOC : INFRASTRUCTURE;
    int deviceCode = type == 2 ? 2 : 1;
    if (!SendValue(OID_PRIV_AP_MODE, apMode) ||
        !SendValue(OID_PRIV_INFRASTRUCTURE_MODE, infrastructure))
        return 0;
    int deviceClass = 0;
    GetDeviceClass(deviceClass);
    int bssType = deviceClass == 1 ? type + 1 : (type == 1 ? 2 : 1);
    WriteRegistryValue("BssType", Decimal(bssType), 1);
    WriteRegistryValue("DeviceType", Decimal(deviceCode), 1);
    return 1;
}

// Rates.

// Q OID_PRIV_DESIRED_RATES, 8 (zero-ended, 500 kbit/s units): 0 when all four 802.11b rates
// are listed, else the choice of the highest; no known rate leaves the output.
int OidAdapter::GetTxRate(int& rate) {
    RateList rates{};
    Reply reply = QueryRecord(OID_PRIV_DESIRED_RATES, rates);
    int flags = 0;
    for (BYTE unit : rates) {
        if (unit == 0) break;
        flags |= RateFlag(unit);
    }
    if (flags == RATE_AUTO_MASK) {
        rate = 0;
    } else if (flags != 0) {
        for (int choice = 4; choice >= 1; --choice) {
            if (flags & (1 << (choice - 1))) {
                rate = choice;
                break;
            }
        }
    }
    return Unchecked(reply);
}

// Q OID_PRIV_SUPPORTED_RATES, 8: the flags of the listed rates (basic-rate bit ignored, a zero
// ends the list). A rate outside 802.11b: result 0, output 0x80000000.
int OidAdapter::GetSupportedRates(int& rates) {
    RateList list{};
    Reply reply = QueryRecord(OID_PRIV_SUPPORTED_RATES, list);
    if (reply != Reply::Answered) return Unchecked(reply);
    rates = 0;
    for (BYTE unit : list) {
        if (unit == 0) break;
        int flag = RateFlag(unit & 0x7F);  // basic-rate bit ignored
        if (flag == 0) {
            rates = static_cast<int>(0x80000000u);
            return 0;
        }
        rates |= flag;
    }
    return 1;
}

// S OID_PRIV_DESIRED_RATES, 8: the zero-padded list, all four rates for automatic.
// Registry "Rate" = 15 for automatic, else 1 << (choice - 1).
int OidAdapter::SetTxRate(int rate) {
    if (rate < 0 || rate > 4) return 0;
    RateList list{};
    if (rate == 0) {
        std::copy(std::begin(RATE_UNITS), std::end(RATE_UNITS), list.begin());
    } else {
        list[0] = RATE_UNITS[rate - 1];
    }
    if (!SendRecord(OID_PRIV_DESIRED_RATES, list)) return 0;
    WriteRegistryValue("Rate", Decimal(rate == 0 ? RATE_AUTO_MASK : 1 << (rate - 1)), 0);
    return 1;
}

// Configuration.

// S OID_PRIV_CONFIGURATION, 32: its length, the beacon period, the record's ATIM window, the
// channel's frequency (or the record's), zero hopping fields. Registry "IbssChannel" = the
// channel, or the channel 1..14 of the record's frequency, or 0. An unlisted channel: 0, no
// request.
int OidAdapter::SetConfiguration(NdisConfiguration config, int channelNumber, int beaconPeriod) {
    DWORD frequency = config.dsConfig;
    if (channelNumber != 0) {
        frequency = ChannelFrequency(channelNumber);
        if (frequency == NO_FREQUENCY) return 0;
    }
    NdisConfiguration payload{};
    payload.length = sizeof payload;
    payload.beaconPeriod =
        beaconPeriod != 0 ? static_cast<DWORD>(beaconPeriod) : config.beaconPeriod;
    payload.atimWindow = config.atimWindow;
    payload.dsConfig = frequency;
    if (!SendRecord(OID_PRIV_CONFIGURATION, payload)) return 0;
    constexpr int IBSS_TABLE_CHANNELS = 14;
    int stored =
        channelNumber != 0 ? channelNumber : FrequencyChannel(frequency, IBSS_TABLE_CHANNELS);
    WriteRegistryValue("IbssChannel", Decimal(stored), 0);
    return 1;
}

// Radio settings.

// S OID_PRIV_DISASSOCIATE, no payload.
int OidAdapter::Disassociate() { return SendCommand(OID_PRIV_DISASSOCIATE) ? 1 : 0; }

// S OID_PRIV_OPTION_510, 4.
int OidAdapter::SetOption510(int value) {
    return SendValue(OID_PRIV_OPTION_510, static_cast<DWORD>(value)) ? 1 : 0;
}

// S OID_PRIV_POWER_MODE, 4: mode 0, 1, 2 sent as 0, 2, 1. Registry "PowerMode" = mode.
int OidAdapter::SetPowerMode(int mode) {
    if (mode < 0 || mode > 2) return 0;
    return SetAndStore(OID_PRIV_POWER_MODE, POWER_MODE_TO_DRIVER[mode], "PowerMode", mode);
}

// Q OID_PRIV_POWER_MODE, 4: low byte 0, 2, 1 reported as 0, 1, 2.
int OidAdapter::GetPowerMode(int& mode) {
    return Checked(QueryWord(OID_PRIV_POWER_MODE, [&](DWORD v) {
        for (int i = 0; i < 3; ++i) {
            if ((v & 0xFF) == POWER_MODE_TO_DRIVER[i]) mode = i;
        }
    }));
}

// S OID_PRIV_PREAMBLE_TYPE, 4. Registry "PreambleType".
int OidAdapter::SetPreambleType(int value) {
    return SetAndStore(OID_PRIV_PREAMBLE_TYPE, static_cast<DWORD>(value), "PreambleType", value);
}

// Q OID_PRIV_PREAMBLE_TYPE, 4: as read.
int OidAdapter::GetPreambleType(int& value) {
    return Checked(
        QueryWord(OID_PRIV_PREAMBLE_TYPE, [&](DWORD v) { value = static_cast<int>(v); }));
}

// S OID_PRIV_FRAG_THRESHOLD, 4. Registry "FragThreshold".
int OidAdapter::SetFragThreshold(int bytes) {
    return SetAndStore(OID_PRIV_FRAG_THRESHOLD, static_cast<DWORD>(bytes), "FragThreshold", bytes);
}

// Q OID_PRIV_FRAG_THRESHOLD, 4: as read.
int OidAdapter::GetFragThreshold(int& bytes) {
    return Unchecked(
        QueryWord(OID_PRIV_FRAG_THRESHOLD, [&](DWORD v) { bytes = static_cast<int>(v); }));
}

// S OID_PRIV_RTS_THRESHOLD, 4. Registry "RtsThreshold".
int OidAdapter::SetRtsThreshold(int bytes) {
    return SetAndStore(OID_PRIV_RTS_THRESHOLD, static_cast<DWORD>(bytes), "RtsThreshold", bytes);
}

// Q OID_PRIV_RTS_THRESHOLD, 4: as read.
int OidAdapter::GetRtsThreshold(int& bytes) {
    return Unchecked(
        QueryWord(OID_PRIV_RTS_THRESHOLD, [&](DWORD v) { bytes = static_cast<int>(v); }));
}

// S OID_PRIV_ENVIRONMENT, 4. Registry "EnvironmentCondition".
int OidAdapter::SetEnvironmentCondition(int value) {
    return SetAndStore(OID_PRIV_ENVIRONMENT, static_cast<DWORD>(value), "EnvironmentCondition",
                       value);
}

// Q OID_PRIV_ENVIRONMENT, 4: bit 0.
int OidAdapter::GetEnvironmentCondition(int& value) {
    return Unchecked(
        QueryWord(OID_PRIV_ENVIRONMENT, [&](DWORD v) { value = static_cast<int>(v & 1); }));
}

// S OID_PRIV_RX_ANTENNA, 4: choice 0, 1, 2 sent as 0, 1, -1. Registry "RxAntennaNumber" = the
// value sent. Another choice shows "Wrong input at SetRxAntenna()".
int OidAdapter::SetRxAntenna(int choice) {
    if (choice < 0 || choice > 2) {
        ShowMessage("Wrong input at SetRxAntenna()");
        return 0;
    }
    LONG antenna = ANTENNA_TO_DRIVER[choice];
    return SetAndStore(OID_PRIV_RX_ANTENNA, static_cast<DWORD>(antenna), "RxAntennaNumber",
                       antenna);
}

// Q OID_PRIV_RX_ANTENNA, 4: 0, 1, -1 reported as 0, 1, 2.
int OidAdapter::GetRxAntenna(int& choice) {
    return Unchecked(QueryWord(OID_PRIV_RX_ANTENNA, [&](DWORD v) {
        for (int i = 0; i < 3; ++i) {
            if (static_cast<LONG>(v) == ANTENNA_TO_DRIVER[i]) choice = i;
        }
    }));
}

// Q OID_PRIV_OPTION_50C, 4: as read.
int OidAdapter::GetOption50C(int& value) {
    return Checked(QueryWord(OID_PRIV_OPTION_50C, [&](DWORD v) { value = static_cast<int>(v); }));
}
