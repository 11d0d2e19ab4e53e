#include <algorithm>

#include "platform/core/clock.h"
#include "sim/card_model.h"
#include "sim/card_oids.h"
#include "sim/channel_plan.h"
#include "sim/le_bytes.h"
#include "sim/oid_table.h"
#include "sim/setting_oid.h"
#include "sim/sim_oids.h"

namespace {

constexpr DWORD kApMaxStations = 8;
constexpr std::size_t kVersionTextOffset = 16;
constexpr std::size_t kVersionTextSize = 32;

void AddKeys(OidTable& table, CardModel& model) {
    SettingOid::AddWordPair(table, oids::kFlagPair, model.settings.flagFirst,
                            model.settings.flagSecond);
    table.AddRecord(
        oids::kKeyEntry, oids::kKeyEntrySize, [&model] { return model.keys.EntryReply(); },
        [&model](const std::vector<BYTE>& record) { return model.keys.SetEntry(record); });
    table.AddRecord(
        oids::kWepKey, oids::kWepKeySize, [&model] { return model.keys.WepKeyReply(); },
        [&model](const std::vector<BYTE>& record) { return model.keys.SetWepKey(record); });
}

void AddCounters(OidTable& table, CardModel& model) {
    table.AddRecord(oids::kTxByteCount, 8, [&model] {
        std::vector<BYTE> count(8);
        PutLe64(count, 0, model.Traffic(GetTickCount()).txBytes);
        return count;
    });
    table.AddRecord(oids::kRxByteCount, 8, [&model] {
        std::vector<BYTE> count(8);
        PutLe64(count, 0, model.Traffic(GetTickCount()).rxBytes);
        return count;
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
    SettingOid::Add(table, model, oids::kPreambleType, &CardSettings::preambleType);
    SettingOid::Add(table, model, oids::kEnvironment, &CardSettings::environment);
    SettingOid::Add(table, model, oids::kOption50D, &CardSettings::option50D);
    SettingOid::Add(table, model, oids::kOption510, &CardSettings::option510);
    table.AddRecord(oids::kInfoBlock, oids::kInfoBlockSize, [&model] { return InfoBlock(model); });
}

}  // namespace

void AddLinkOids(OidTable& table, CardModel& model) {
    AddKeys(table, model);
    AddCounters(table, model);
    AddAccessPoint(table, model);
    AddLinkValues(table, model);
}
