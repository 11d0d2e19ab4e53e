#include <algorithm>

#include "platform/core/clock.h"
#include "rad4/oids.h"
#include "sim/card_model.h"
#include "sim/channel_plan.h"
#include "sim/le_bytes.h"
#include "sim/oid_table.h"
#include "sim/scan_list_writer.h"

namespace {

constexpr bool kGeneral = false;
constexpr DWORD kMaxSsid = 32;
constexpr std::size_t kRateListSize = 8;
constexpr DWORD kApMaxStations = 8;
constexpr std::size_t kVersionTextOffset = 16;
constexpr std::size_t kVersionTextSize = 32;

void AddGeneralOids(OidTable& table, CardModel& model) {
    table.AddValue(
        oids::kMaximumTotalSize, [&model] { return model.Desc().maxTotalSize; }, {}, kGeneral);
    table.AddValue(
        oids::kLinkSpeed, [&model] { return model.LinkSpeed(); }, {}, kGeneral);
    table.AddValue(
        oids::kMediaConnectStatus, [&model] { return model.ConnectStatus(); }, {}, kGeneral);
    table.AddValue(
        oids::kVendorDriverVersion, [&model] { return model.VendorDriverVersion(); }, {}, kGeneral);

    OidHandler address;
    address.queryLength = 6;
    address.wirelessOnly = kGeneral;
    address.query = [&model](const OidCall&) {
        const auto& mac = model.Desc().mac;
        return OidTable::Reply(std::vector<BYTE>(mac.begin(), mac.end()));
    };
    table.Add(oids::kCurrentAddress, std::move(address));

    table.AddValue(
        oids::kNetworkTypeInUse, [&model] { return model.settings.networkTypeInUse; },
        [&model](DWORD type) {
            if (type > 4) return ndis::kInvalidData;
            model.settings.networkTypeInUse = type;
            return ndis::kSuccess;
        });
}

void AddSsid(OidTable& table, CardModel& model) {
    OidHandler ssid;
    ssid.queryLength = oids::kSsidRecordSize;
    ssid.setLength = oids::kSsidRecordSize;
    ssid.query = [&model](const OidCall&) {
        std::vector<BYTE> record(oids::kSsidRecordSize);
        const std::string& text = model.settings.ssid;
        PutLe32(record, 0, static_cast<DWORD>(text.size()));
        std::copy(text.begin(), text.end(), record.begin() + 4);
        return OidTable::Reply(std::move(record));
    };
    ssid.set = [&model](const std::vector<BYTE>& record) {
        DWORD length = GetLe32(record, 0);
        if (length > kMaxSsid) return ndis::kInvalidData;
        model.Associate(std::string(record.begin() + 4, record.begin() + 4 + length),
                        GetTickCount());
        return ndis::kSuccess;
    };
    table.Add(oids::kSsid, std::move(ssid));
}

std::vector<BYTE> RateList(const std::vector<BYTE>& rates) {
    std::vector<BYTE> list(kRateListSize);
    std::copy_n(rates.begin(), std::min(rates.size(), kRateListSize), list.begin());
    return list;
}

// A transmit rate list: rates up to the first zero, each one the card supports.
DWORD SetTxRates(CardModel& model, const std::vector<BYTE>& list) {
    std::vector<BYTE> rates;
    for (BYTE rate : list) {
        if (rate == 0) break;
        bool supported =
            std::any_of(model.settings.supportedRates.begin(), model.settings.supportedRates.end(),
                        [rate](BYTE s) { return (s & 0x7F) == (rate & 0x7F); });
        if (!supported) return ndis::kInvalidData;
        rates.push_back(rate);
    }
    if (rates.empty()) return ndis::kInvalidData;
    model.settings.txRates = rates;
    return ndis::kSuccess;
}

void AddRates(OidTable& table, CardModel& model) {
    OidHandler supported;
    supported.queryLength = kRateListSize;
    supported.query = [&model](const OidCall&) {
        return OidTable::Reply(RateList(model.settings.supportedRates));
    };
    table.Add(oids::kSupportedRates, std::move(supported));

    OidHandler tx;
    tx.queryLength = kRateListSize;
    tx.setLength = kRateListSize;
    tx.query = [&model](const OidCall&) {
        return OidTable::Reply(RateList(model.settings.txRates));
    };
    tx.set = [&model](const std::vector<BYTE>& list) { return SetTxRates(model, list); };
    table.Add(oids::kDesiredRates, std::move(tx));
}

void AddConfiguration(OidTable& table, CardModel& model) {
    OidHandler configuration;
    configuration.queryLength = oids::kConfigurationSize;
    configuration.setLength = oids::kConfigurationSize;
    configuration.query = [&model](const OidCall&) {
        const CardSettings& s = model.settings;
        std::vector<BYTE> record(oids::kConfigurationSize);
        PutLe32(record, 0, oids::kConfigurationSize);
        PutLe32(record, 4, s.beaconPeriod);
        PutLe32(record, 8, s.atimWindow);
        PutLe32(record, 12, s.dsFrequency);
        std::copy(s.hopping.begin(), s.hopping.end(), record.begin() + 16);
        return OidTable::Reply(std::move(record));
    };
    configuration.set = [&model](const std::vector<BYTE>& record) {
        CardSettings& s = model.settings;
        s.beaconPeriod = GetLe32(record, 4);
        s.atimWindow = GetLe32(record, 8);
        s.dsFrequency = GetLe32(record, 12);
        std::copy(record.begin() + 16, record.end(), s.hopping.begin());
        return ndis::kSuccess;
    };
    table.Add(oids::kConfiguration, std::move(configuration));
}

void AddLinkState(OidTable& table, CardModel& model) {
    OidHandler bssid;
    bssid.queryLength = 6;
    bssid.query = [&model](const OidCall&) {
        const auto& mac = model.Link().bssid;
        return OidTable::Reply(std::vector<BYTE>(mac.begin(), mac.end()));
    };
    table.Add(oids::kBssid, std::move(bssid));
    table.AddValue(oids::kRssi,
                   [&model] { return static_cast<DWORD>(model.SignalDbm(GetTickCount())); });
    table.AddCommand(oids::kDisassociate, [&model] { model.Disassociate(0, GetTickCount()); });
}

void AddScan(OidTable& table, CardModel& model) {
    table.AddCommand(oids::kBssidListScan, [&model] { model.StartScan(GetTickCount()); });
    OidHandler list;
    list.queryLength = 4;
    list.query = [&model](const OidCall& call) {
        return OidTable::Reply(ScanListWriter::Write(model.ScanList(GetTickCount()),
                                                     model.listCountOverride, call.length));
    };
    table.Add(oids::kBssidList, std::move(list));
}

void AddRadioSettings(OidTable& table, CardModel& model) {
    table.AddValue(oids::kStatusWord, [&model] { return model.settings.statusWord; });
    table.AddSetting(oids::kInfrastructureMode, model.settings.infrastructureMode, 0, 2);
    table.AddSetting(oids::kFragThreshold, model.settings.fragThreshold, 256, 2346);
    table.AddSetting(oids::kRtsThreshold, model.settings.rtsThreshold, 0, 2347);
    table.AddChoice(oids::kRxAntenna, model.settings.antenna,
                    [](DWORD a) { return a <= 1 || a == 0xFFFFFFFFu; });
    table.AddSetting(oids::kPowerMode, model.settings.powerMode, 0, 2);
    table.AddSetting(oids::kAuthType, model.settings.authType, 0, 2);
    table.AddValue(oids::kWepStatus, [&model] { return model.settings.wepEnabled ? 0u : 1u; });
    table.AddValue(
        oids::kWepDisable, [&model] { return model.settings.wepEnabled ? 0u : 1u; },
        [&model](DWORD disable) {
            model.settings.wepEnabled = disable == 0;
            return ndis::kSuccess;
        });
}

std::vector<BYTE> InfoBlock(const CardModel& model) {
    std::vector<BYTE> block(oids::kInfoBlockSize);
    PutLe32(block, 0, oids::kInfoBlockSize);
    const auto& mac = model.Desc().mac;
    std::copy(mac.begin(), mac.end(), block.begin() + 4);
    const std::string& version = model.DriverVersionText();
    std::copy_n(version.begin(), std::min(version.size(), kVersionTextSize - 1),
                block.begin() + kVersionTextOffset);
    PutLe32(block, kVersionTextOffset + kVersionTextSize, model.VendorDriverVersion());
    return block;
}

// Access-point record: AP active, AP mode (1 mixed, 2 802.11g only, else 802.11b only),
// channel, maximum and current stations.
std::vector<BYTE> ApInfo(const CardModel& model) {
    std::vector<BYTE> record(oids::kApInfoSize);
    PutLe32(record, 0, model.settings.apMode == 2 ? 1 : 0);
    PutLe32(record, 4, model.Desc().apInfoMode);
    PutLe32(record, 8, static_cast<DWORD>(ChannelPlan::ChannelOf(model.settings.dsFrequency)));
    PutLe32(record, 12, kApMaxStations);
    PutLe32(record, 16, 0);
    return record;
}

void AddAccessPoint(OidTable& table, CardModel& model) {
    OidHandler mode;
    mode.queryLength = 4;
    mode.setLength = 4;
    mode.query = [&model](const OidCall&) {
        if (!model.Desc().apModeSupported) return OidTable::Failure(ndis::kNotSupported);
        return OidTable::Reply(Le32Bytes(model.settings.apMode));
    };
    mode.set = [&model](const std::vector<BYTE>& in) {
        DWORD value = GetLe32(in, 0);
        if (!model.Desc().apModeSupported) return ndis::kNotSupported;
        if (value != 1 && value != 2) return ndis::kInvalidData;
        model.settings.apMode = value;
        return ndis::kSuccess;
    };
    table.Add(oids::kApMode, std::move(mode));
    table.AddRecord(oids::kApInfo, oids::kApInfoSize, [&model] { return ApInfo(model); });
}

void AddLinkValues(OidTable& table, CardModel& model) {
    table.AddValue(oids::kLinkQuality, [&model] { return model.LinkQuality(GetTickCount()); });
    table.AddValue(oids::kScanState, [&model] { return model.ScanStateCode(GetTickCount()); });
    table.AddValue(
        oids::kRadioState, [&model] { return model.settings.radioOn ? 1u : 0u; },
        [&model](DWORD on) {
            if (on > 1) return ndis::kInvalidData;
            model.SetRadio(on == 1, GetTickCount());
            return ndis::kSuccess;
        });
    table.AddValue(oids::kOption50C, [&model] { return model.settings.option50C; });
    table.AddSetting(oids::kPreambleType, model.settings.preambleType);
    table.AddSetting(oids::kEnvironment, model.settings.environment);
    table.AddSetting(oids::kOption50D, model.settings.option50D);
    table.AddSetting(oids::kOption510, model.settings.option510);
    table.AddRecord(oids::kInfoBlock, oids::kInfoBlockSize, [&model] { return InfoBlock(model); });
}

}  // namespace

void OidTable::AddStationOids(CardModel& model) {
    using Family = void (*)(OidTable&, CardModel&);
    for (Family add : {AddGeneralOids, AddSsid, AddRates, AddConfiguration, AddLinkState, AddScan,
                       AddRadioSettings, AddAccessPoint, AddLinkValues})
        add(*this, model);
}
