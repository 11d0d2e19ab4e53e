// The concrete adapter: every operation is one or two OID requests on the AdapterChannel of
// the adapter chosen at start-up. What an operation means is said at its declaration in
// adapter/wlan_adapter.h; the request it makes is described at its body, one file per group
// below. SetStringOption, the flag pair and the baseband registers keep the base bodies.
#pragma once

#include <array>
#include <string>

#include "adapter/wlan_adapter.h"
#include "platform/core/win_types.h"

class OidAdapter : public WlanAdapter {
  public:
    // Opens a channel to the named adapter; if the channel cannot be created the adapter has
    // none and every request fails.
    explicit OidAdapter(const WString& adapterName);

    // Identity and link state (oid_adapter.cpp).
    void NoOperation() override;
    int GetInfoBlock(InfoBlock& block) override;
    int GetStatusWord(DWORD& value) override;
    int GetDeviceClass(int& deviceClass) override;
    int GetEepromWord19(WORD& value) override;
    int GetMacFlag(int& flag) override;
    int GetScanState(std::string& text, int& code) override;
    int GetConnectStatus(int& state) override;
    int GetBssidText(std::string& text) override;
    int GetBssid(MacAddress& bssid) override;
    int GetSsid(std::string& ssid) override;
    int GetLinkSpeedText(std::string& text) override;
    int GetSignalStrength(int& percent) override;
    int GetLinkQuality(int& quality) override;

    // Network type, rates, configuration and radio settings (oid_adapter_settings.cpp).
    int GetBssType(int& type) override;
    int SetBssType(int type) override;
    int GetTxRate(int& rate) override;
    int GetSupportedRates(int& rates) override;
    int SetTxRate(int rate) override;
    int SetConfiguration(NdisConfiguration config, int channelNumber, int beaconPeriod) override;
    int Disassociate() override;
    int SetOption510(int value) override;
    int SetPowerMode(int mode) override;
    int GetPowerMode(int& mode) override;
    int SetPreambleType(int value) override;
    int GetPreambleType(int& value) override;
    int SetFragThreshold(int bytes) override;
    int GetFragThreshold(int& bytes) override;
    int SetRtsThreshold(int bytes) override;
    int GetRtsThreshold(int& bytes) override;
    int SetEnvironmentCondition(int value) override;
    int GetEnvironmentCondition(int& value) override;
    int SetRxAntenna(int choice) override;
    int GetRxAntenna(int& choice) override;
    int GetOption50C(int& value) override;

    // Security and keys (oid_adapter_keys.cpp).
    int GetAuthType(int& type) override;
    int SetAuthType(int type) override;
    int GetWepStatus(int& status) override;
    int SetWepKeyText(std::string hexText, int length, std::string& reply) override;
    int GetWepKeyText(std::string hexText, int count, std::string& reply) override;
    int SetWepEnabled(int enabled) override;
    int SetKeyEntry(const KeyEntry& entry) override;
    int GetKeyEntry(int index, KeyEntry& entry) override;

    // Scan list and statistics (oid_adapter_counters.cpp).
    int StartScan() override;
    int GetBssidList(NdisBssidList& list) override;
    int GetStatistics(ULONGLONG& txBytes, ULONGLONG& rxBytes, DWORD& framesSent, DWORD& sendErrors,
                      DWORD& framesReceived, DWORD& goodCrc, DWORD& rxErrors) override;
    int GetStatisticsDetail(StatisticsDetail& counters) override;
    int GetDiagCounters805(DWORD& a, DWORD& b, DWORD& c) override;
    int GetDiagCounters80D(DWORD& a, DWORD& b, DWORD& c) override;

    // MAC registers, EEPROM and diagnostics (oid_adapter_registers.cpp).
    int ReadMacRegister(int address, DWORD& value) override;
    int WriteMacRegister(int address, const DWORD& value) override;
    int GetEepromSize(WORD& size) override;
    int WriteEepromWord(int address, int value) override;
    int ReadEepromWord(int address, WORD& value) override;
    int DiagCommand806() override;
    int SetOption50D(int value) override;
    int DiagSet80E(int a, int b) override;
    int DiagSet804(int a, int b, int skip) override;
    int DiagGet804(int a, int skip) override;
    int DiagCommand80B() override;
    int DiagCommand80A() override;
    int DiagCommand809() override;
    int DiagGet808(DiagBlock808& block) override;
    int DiagCommand906() override;
    int DiagCommand901() override;
    int DiagWrite807(const BYTE* data, int length, int c, int d) override;

  private:
    using WepKey = std::array<BYTE, 16>;

    // A 4-byte query converted by `convert` when answered.
    template <class Convert>
    Reply QueryWord(DWORD oid, Convert convert) {
        DWORD value = 0;
        Reply reply = Query(oid, &value, sizeof value);
        if (reply == Reply::Answered) convert(value);
        return reply;
    }
    // A 4-byte set followed, when sent, by the registry value `name` = `registryValue`.
    int SetAndStore(DWORD oid, DWORD value, const char* name, int registryValue);
    int QueryCounters(DWORD oid, DWORD& a, DWORD& b, DWORD& c);
    int WepKeyExchange(const std::string& hexText, int keyBytes, BYTE mode, WepKey& reply);
};
