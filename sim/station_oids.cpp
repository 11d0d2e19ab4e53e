#include <algorithm>

#include "platform/core/clock.h"
#include "sim/card_model.h"
#include "sim/card_oids.h"
#include "sim/le_bytes.h"
#include "sim/oid_table.h"
#include "sim/scan_list_writer.h"
#include "sim/setting_oid.h"
#include "sim/sim_oids.h"
#include "sim/statistics_record.h"

namespace {

constexpr DWORD kMaxSsid = 32;
constexpr std::size_t kRateListSize = 8;

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

    OidHandler statistics;
    statistics.queryLength = oids::kStatisticsSize;
    statistics.query = [&model](const OidCall&) {
        return OidTable::Reply(StatisticsRecord::Build(model.Traffic(GetTickCount())));
    };
    table.Add(oids::kStatistics, std::move(statistics));
}

void AddRadioSettings(OidTable& table, CardModel& model) {
    table.AddValue(oids::kStatusWord, [&model] { return model.settings.statusWord; });
    SettingOid::Add(table, model, oids::kInfrastructureMode, &CardSettings::infrastructureMode, 0,
                    2);
    SettingOid::Add(table, model, oids::kFragThreshold, &CardSettings::fragThreshold, 256, 2346);
    SettingOid::Add(table, model, oids::kRtsThreshold, &CardSettings::rtsThreshold, 0, 2347);
    SettingOid::AddChoice(table, model, oids::kRxAntenna, &CardSettings::antenna,
                          [](DWORD a) { return a <= 1 || a == 0xFFFFFFFFu; });
    SettingOid::Add(table, model, oids::kPowerMode, &CardSettings::powerMode, 0, 2);
    SettingOid::Add(table, model, oids::kAuthType, &CardSettings::authType, 0, 2);
    table.AddValue(oids::kWepStatus, [&model] { return model.settings.wepEnabled ? 0u : 1u; });
    table.AddValue(
        oids::kWepDisable, [&model] { return model.settings.wepEnabled ? 0u : 1u; },
        [&model](DWORD disable) {
            model.settings.wepEnabled = disable == 0;
            return ndis::kSuccess;
        });
}

}  // namespace

void AddStationOids(OidTable& table, CardModel& model) {
    AddSsid(table, model);
    AddRates(table, model);
    AddConfiguration(table, model);
    AddLinkState(table, model);
    AddScan(table, model);
    AddRadioSettings(table, model);
}
