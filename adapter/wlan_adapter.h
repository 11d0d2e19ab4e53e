// The adapter every page talks to: 72 virtual operations in a fixed slot order, the channel to
// frequency table, the owned AdapterChannel, and the operations shared by all adapters. Each
// operation's request, its payload and its registry value are described at its body
// (adapter/oid_adapter_*.cpp, and adapter/wlan_adapter.cpp for the shared ones).
//
// Conventions (all operations):
// - Results are 1 for success, 0 for failure. Outputs are references the operation writes;
//   texts are UTF-8.
// - Optional: every virtual operation has a base body that succeeds and writes nothing, unless
//   its comment says "base". SetFlagPair, GetFlagPair, ReadBbRegister and WriteBbRegister are
//   real requests in the base already; OidAdapter replaces the other bodies.
// - "Checked" getters fail with the outputs untouched unless the driver answered. The other
//   getters fail only when no request could be made; a driver failure then leaves the output
//   untouched and still returns 1.
// - Setters fail when the driver did not accept the set; "stored" means the value then goes to
//   the driver's registry parameters. Out-of-range arguments fail without a request.
// - Reads made of a set followed by a query (registers, EEPROM, keys) fail with the output
//   untouched unless both were accepted.
// - Driver values outside an operation's mapping leave the output untouched.
// - Without a channel, or with one that did not open, nothing reaches the driver: every
//   operation that needs the card returns 0.
#pragma once

#include <array>
#include <memory>
#include <span>
#include <string>

#include "adapter/ndis_records.h"
#include "link/adapter_channel.h"
#include "platform/core/win_types.h"

class WlanAdapter {
  public:
    static constexpr int CHANNEL_COUNT = 256;
    // Frequency of the table entries no channel uses; no driver reports it.
    static constexpr DWORD NO_FREQUENCY = 0xFFFFFFFF;

    WlanAdapter();
    WlanAdapter(const WlanAdapter&) = delete;
    WlanAdapter& operator=(const WlanAdapter&) = delete;

    // 0: opaque driver information block.
    virtual int GetInfoBlock(InfoBlock& block);
    // 1: closes and releases the channel, once, for every concrete adapter.
    virtual ~WlanAdapter();
    // 2: does nothing.
    virtual void NoOperation();
    // 3: the driver's status word, uninterpreted.
    virtual int GetStatusWord(DWORD& value);
    // 4: EEPROM word 19, through ReadEepromWord.
    virtual int GetEepromWord19(WORD& value);
    // 5: bit 30 of MAC register 0x2F4, through ReadMacRegister.
    virtual int GetMacFlag(int& flag);
    // 6: the adapter class that decides the stored "BssType"; base leaves it untouched.
    virtual int GetDeviceClass(int& deviceClass);
    // 7: the scan state code and its text while disconnected.
    virtual int GetScanState(std::string& text, int& code);
    // 8: 0 when associated, 1 when not.
    virtual int GetConnectStatus(int& state);
    // 9: the BSSID of the current network as text.
    virtual int GetBssidText(std::string& text);
    // 10: the BSSID of the current network.
    virtual int GetBssid(MacAddress& bssid);
    // 11: a text option; accepted and discarded.
    virtual int SetStringOption(std::string text);
    // 12: the desired network name.
    virtual int GetSsid(std::string& ssid);
    // 13: network type: 0 infrastructure, 1 ad hoc, 2 access point; the result tells which
    //     queries were made and whether the access-point query was answered.
    virtual int GetBssType(int& type);
    // 14: sets the network type (as GetBssType) and stores it.
    virtual int SetBssType(int type);
    // 15: transmit rate choice: 0 automatic, 1..4 = 1, 2, 5.5, 11 Mbps.
    virtual int GetTxRate(int& rate);
    // 16: the link speed as text ("11 Mbps").
    virtual int GetLinkSpeedText(std::string& text);
    // 17: the supported rates as flags: 1 = 1, 2 = 2, 4 = 5.5, 8 = 11 Mbps.
    virtual int GetSupportedRates(int& rates);
    // 18: sets the transmit rate choice (as GetTxRate) and stores it.
    virtual int SetTxRate(int rate);
    // 19: sets the ad hoc channel and beacon period (0 keeps the record's) and stores the
    //     channel.
    virtual int SetConfiguration(NdisConfiguration config, int channelNumber, int beaconPeriod);
    // 20: signal strength in percent, 1..100.
    virtual int GetSignalStrength(int& percent);
    // 21: link quality, 0..255.
    virtual int GetLinkQuality(int& quality);
    // 22: leaves the current network.
    virtual int Disassociate();
    // 23: sets driver option 510.
    virtual int SetOption510(int value);
    // 24: sets the power mode: 0 off, 1 maximum saving, 2 fast; stored.
    virtual int SetPowerMode(int mode);
    // 25: checked: the power mode (as SetPowerMode).
    virtual int GetPowerMode(int& mode);
    // 26: sets the preamble type; stored.
    virtual int SetPreambleType(int value);
    // 27: checked: the preamble type.
    virtual int GetPreambleType(int& value);
    // 28: sets the fragmentation threshold in bytes; stored.
    virtual int SetFragThreshold(int bytes);
    // 29: the fragmentation threshold in bytes.
    virtual int GetFragThreshold(int& bytes);
    // 30: sets the RTS threshold in bytes; stored.
    virtual int SetRtsThreshold(int bytes);
    // 31: the RTS threshold in bytes.
    virtual int GetRtsThreshold(int& bytes);
    // 32: sets the environment condition; stored.
    virtual int SetEnvironmentCondition(int value);
    // 33: the environment condition, 0 or 1.
    virtual int GetEnvironmentCondition(int& value);
    // 34: sets the receive antenna: 0, 1 or 2 (diversity); stored.
    virtual int SetRxAntenna(int choice);
    // 35: the receive antenna (as SetRxAntenna).
    virtual int GetRxAntenna(int& choice);
    // 36: checked: driver option 50C.
    virtual int GetOption50C(int& value);
    // 37: the networks of the last scan; empty when not answered. The caller checks the count.
    virtual int GetBssidList(NdisBssidList& list);
    // 38: starts a background scan; base shows "Decice Test".
    virtual int StartScan();
    // 39: checked: authentication type 0..2, -1 for another.
    virtual int GetAuthType(int& type);
    // 40: sets the authentication type 0..2; stored.
    virtual int SetAuthType(int type);
    // 41: checked: 1 encryption on, 0 off, -1 unknown.
    virtual int GetWepStatus(int& status);
    // 42: writes the first `length` bytes of a hex WEP key; `reply` = the card's 16 key bytes
    //     as hex.
    virtual int SetWepKeyText(std::string hexText, int length, std::string& reply);
    // 43: reads a WEP key selected by hex text; `reply` = its first `count` bytes as hex.
    virtual int GetWepKeyText(std::string hexText, int count, std::string& reply);
    // 44: turns encryption on (non-zero) or off.
    virtual int SetWepEnabled(int enabled);
    // 45: writes a key table entry.
    virtual int SetKeyEntry(const KeyEntry& entry);
    // 46: reads key table entry `index`.
    virtual int GetKeyEntry(int index, KeyEntry& entry);
    // 47: sets the driver's flag pair, each 0 or 1.
    virtual int SetFlagPair(int first, int second);
    // 48: checked: the driver's flag pair, each 0 or 1.
    virtual int GetFlagPair(int& first, int& second);
    // 49: byte and frame counters; `goodCrc` sums the diagnostic counters, duplicates and
    //     fragments. Fails only when the detail statistics are not answered.
    virtual int GetStatistics(ULONGLONG& txBytes, ULONGLONG& rxBytes, DWORD& framesSent,
                              DWORD& sendErrors, DWORD& framesReceived, DWORD& goodCrc,
                              DWORD& rxErrors);
    // 50: diagnostic command 806.
    virtual int DiagCommand806();
    // 51: sets driver option 50D.
    virtual int SetOption50D(int value);
    // 52: the 802.11 counters, low 32 bits each.
    virtual int GetStatisticsDetail(StatisticsDetail& counters);
    // 53: checked: the three diagnostic counters 805.
    virtual int GetDiagCounters805(DWORD& a, DWORD& b, DWORD& c);
    // 54: checked: the three diagnostic counters 80D.
    virtual int GetDiagCounters80D(DWORD& a, DWORD& b, DWORD& c);
    // 55: reads a baseband register; shows a message when it fails.
    virtual int ReadBbRegister(int index, BYTE& value);
    // 56: writes a baseband register; shows a message when it fails.
    virtual int WriteBbRegister(int index, int value);
    // 57: reads a MAC register.
    virtual int ReadMacRegister(int address, DWORD& value);
    // 58: writes a MAC register.
    virtual int WriteMacRegister(int address, const DWORD& value);
    // 59: diagnostic set 80E of two values.
    virtual int DiagSet80E(int a, int b);
    // 60: the EEPROM size in bytes.
    virtual int GetEepromSize(WORD& size);
    // 61: writes an EEPROM word.
    virtual int WriteEepromWord(int address, int value);
    // 62: reads an EEPROM word.
    virtual int ReadEepromWord(int address, WORD& value);
    // 63: diagnostic set 804 of `b` under selector `a`; a non-zero `skip` does nothing.
    virtual int DiagSet804(int a, int b, int skip);
    // 64: diagnostic query 804 of selector `a`, reply dropped; a non-zero `skip` does nothing.
    virtual int DiagGet804(int a, int skip);
    // 65: diagnostic command 80B.
    virtual int DiagCommand80B();
    // 66: diagnostic command 80A.
    virtual int DiagCommand80A();
    // 67: diagnostic command 809.
    virtual int DiagCommand809();
    // 68: diagnostic block 808.
    virtual int DiagGet808(DiagBlock808& block);
    // 69: diagnostic command 906.
    virtual int DiagCommand906();
    // 70: diagnostic command 901.
    virtual int DiagCommand901();
    // 71: diagnostic write 807 of up to 2348 data bytes with two values.
    virtual int DiagWrite807(const BYTE* data, int length, int c, int d);

    // The station's own address as text.
    int GetMacAddress(std::string& text);
    // Sets the desired network name; `persist` 1 also stores it.
    int SetSsid(std::string ssid, int persist);
    // The beacon period, ATIM window and frequency into `config`, and the channel of that
    // frequency (untouched when none matches).
    int GetConfiguration(NdisConfiguration& config, int& channelNumber);
    // The driver version as "major.minor".
    int GetDriverVersion(std::string& text);
    // Checked: the access point information record.
    int GetApInfo(ApInfoRecord& record);
    // Turns the radio off (0) or on (1).
    int SetRadioState(int on);
    // Hex digit pairs to bytes: the text's first 49 UTF-16 units are taken two at a time, each
    // pair read up to its first non-hex character (none: 0); bytes past the text are 0.
    int ParseHexBytes(std::string text, std::span<BYTE> bytes);
    // The driver's registry parameters (adapter/driver_params.h).
    int ReadRegistryValue(const std::string& name, std::string& value, int showError);
    void WriteRegistryValue(const std::string& name, const std::string& value, int showError);
    void WriteRegistryString(const std::string& name, const std::string& value, int showError);

    // Centre frequency in kHz of a channel 1..256, NO_FREQUENCY for unlisted channels.
    DWORD ChannelFrequency(int channelNumber) const;
    // First channel among 1..lastChannel with this frequency, 0 when none.
    int FrequencyChannel(DWORD frequency, int lastChannel = CHANNEL_COUNT) const;
    const AdapterChannel* Channel() const { return channel.get(); }

  protected:
    // How a query ended: no request could be made, the driver refused it, or answered it.
    enum class Reply { NotIssued, Refused, Answered };

    // False when the adapter has no open channel: nothing can reach the driver.
    bool HasChannel() const { return channel && channel->IsOpen(); }
    Reply Query(DWORD oid, void* buffer, DWORD length);
    // Queries into a zeroed local record and copies it to `out` only when answered.
    template <class T>
    Reply QueryRecord(DWORD oid, T& out) {
        T reply{};
        Reply result = Query(oid, &reply, sizeof reply);
        if (result == Reply::Answered) out = reply;
        return result;
    }
    // True when the driver accepted the set.
    bool Send(DWORD oid, const void* buffer, DWORD length);
    template <class T>
    bool SendRecord(DWORD oid, const T& record) {
        return Send(oid, &record, sizeof record);
    }
    bool SendValue(DWORD oid, DWORD value) { return SendRecord(oid, value); }
    bool SendCommand(DWORD oid) { return Send(oid, nullptr, 0); }
    // A read made of a set of `record` followed by a query into it.
    template <class T>
    bool Exchange(DWORD oid, T& record) {
        return Send(oid, &record, sizeof record) &&
               Query(oid, &record, sizeof record) == Reply::Answered;
    }
    static int Unchecked(Reply reply) { return reply == Reply::NotIssued ? 0 : 1; }
    static int Checked(Reply reply) { return reply == Reply::Answered ? 1 : 0; }
    static void ShowMessage(const char* text);
    static std::string MacText(const MacAddress& mac);

    std::unique_ptr<AdapterChannel> channel;

  private:
    std::array<DWORD, CHANNEL_COUNT> frequencies;
};
