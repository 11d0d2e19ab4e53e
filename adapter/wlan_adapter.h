// The adapter every page talks to: 72 virtual operations in a fixed slot order, the channel to
// frequency table, the owned AdapterChannel, and the operations shared by all adapters.
//
// Conventions (all operations):
// - Results are 1 for success, 0 for failure. Outputs are references the operation writes;
//   texts are UTF-8.
// - Base bodies: succeed and write nothing, unless a comment says "base:". Slots 47, 48, 55 and
//   56 are real requests in the base already. OidAdapter replaces the others with the requests
//   described here ("Q oid, n" a query, "S oid, n" a set, n bytes).
// - A query is answered when the driver completed it with NDIS status 0. "Checked": fails with
//   the outputs untouched unless answered. Unchecked getters fail only when no request could be
//   made; a driver failure then leaves the output untouched and still returns 1.
// - A set is sent when the driver completed it with NDIS status 0; a setter fails (result 0,
//   no registry write) otherwise. Setters that name a registry value store it as decimal text
//   under Comm\KESTREL1\Parms after the set went out (messages only where stated).
// - A read that is a set followed by a query (registers, EEPROM, keys) fails with its output
//   untouched unless both were accepted.
// - Driver codes outside an operation's mapping leave the output untouched.
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

    // 0: Q 0xFFA0C50F, 724 into `block` (opaque driver information).
    virtual int GetInfoBlock(InfoBlock& block);
    // 1: closes and releases the channel, once, for every concrete adapter.
    virtual ~WlanAdapter();
    // 2: does nothing.
    virtual void NoOperation();
    // 3: Q 0xFFA0C000, 4: the driver's status word as read.
    virtual int GetStatusWord(DWORD& value);
    // 4: ReadEepromWord(19) through the interface; its result.
    virtual int GetEepromWord19(WORD& value);
    // 5: ReadMacRegister(0x2F4) through the interface; `flag` = bit 30; returns 1 regardless.
    virtual int GetMacFlag(int& flag);
    // 6: no request; OidAdapter reports 2 (knows AP sub-modes). Base: output untouched.
    virtual int GetDeviceClass(int& deviceClass);
    // 7: Q 0xFFA0C50A, 4: `code` as read; `text` "Disconnected. Scanning..." for code 1,
    //    else "Disconnected.".
    virtual int GetScanState(std::string& text, int& code);
    // 8: Q OID_GEN_MEDIA_CONNECT_STATUS, 4: 0 connected, 1 disconnected.
    virtual int GetConnectStatus(int& state);
    // 9: Q 0xFFA0C001, 6: current BSSID as "%02X-%02X-%02X-%02X-%02X-%02X".
    virtual int GetBssidText(std::string& text);
    // 10: Q 0xFFA0C001, 6: current BSSID bytes.
    virtual int GetBssid(MacAddress& bssid);
    // 11: accepts and discards the text (kept by OidAdapter).
    virtual int SetStringOption(std::string text);
    // 12: Q 0xFFA0C002, 36: length word + 32 bytes; at most 32 bytes, up to the first NUL, from
    //     the ANSI code page.
    virtual int GetSsid(std::string& ssid);
    // 13: Q 0xFFA0C511, 4: value 2 gives type 2 (AP), result 2. Otherwise Q 0xFFA0C008, 4:
    //     0 gives 1 (ad hoc), 1 gives 0 (infrastructure). Result bits: 8 second query made,
    //     4 not made, +1 when the first query was not answered (not made or refused).
    virtual int GetBssType(int& type);
    // 14: type 0/1: S 0xFFA0C511 = 1, S 0xFFA0C008 = 1 (type 0) or 0 (type 1); type 2:
    //     S 0xFFA0C511 = 2, S 0xFFA0C008 = 1. Registry "BssType" (see GetDeviceClass) and
    //     "DeviceType" (1 station, 2 AP), with messages. Other types: 0, no request. A first
    //     set that went out stays in effect when the second fails.
    virtual int SetBssType(int type);
    // 15: Q 0xFFA0C00F, 8 (rate list, 500 kbit/s): 0 when 1, 2, 5.5 and 11 Mbps are all
    //     listed, else the highest: 4 = 11, 3 = 5.5, 2 = 2, 1 = 1 Mbps; none: untouched.
    virtual int GetTxRate(int& rate);
    // 16: Q OID_GEN_LINK_SPEED, 4 (100 bit/s): "1 Mbps", "2 Mbps", "5.5 Mbps", "11 Mbps";
    //     other speeds leave the text and return 1.
    virtual int GetLinkSpeedText(std::string& text);
    // 17: Q 0xFFA0C00E, 8: bit set 1 = 1, 2 = 2, 4 = 5.5, 8 = 11 Mbps (basic-rate bit ignored,
    //     a zero ends the list). Another rate: result 0, output 0x80000000.
    virtual int GetSupportedRates(int& rates);
    // 18: choice 0 auto, 1..4 = 1, 2, 5.5, 11 Mbps: S 0xFFA0C00F, 8, the zero-padded rate list
    //     (0 sends 02 04 0B 16). Registry "Rate" = 15 for auto, else 1 << (choice - 1).
    //     Other choices: 0, no request.
    virtual int SetTxRate(int rate);
    // 19: S 0xFFA0C010, 32: length 32, `beaconPeriod` if non-zero else the record's, the
    //     record's ATIM window, the frequency of `channelNumber` if non-zero else the record's,
    //     zero hopping fields. Registry "IbssChannel" = `channelNumber`, or the channel 1..14 of
    //     the record's frequency, or 0. A channel not in the table: 0, no request.
    virtual int SetConfiguration(NdisConfiguration config, int channelNumber, int beaconPeriod);
    // 20: Q 0xFFA0C006, 4 (dBm): (dBm + 80) * 100 / 40, clamped to 1..100.
    virtual int GetSignalStrength(int& percent);
    // 21: Q 0xFFA0C503, 4: low byte of the reply, 0..255.
    virtual int GetLinkQuality(int& quality);
    // 22: S 0xFFA0C014, no payload.
    virtual int Disassociate();
    // 23: S 0xFFA0C510, 4: the value.
    virtual int SetOption510(int value);
    // 24: S 0xFFA0C015, 4: mode 0, 1, 2 sent as 0, 2, 1. Registry "PowerMode" = mode.
    //     Other modes: 0, no request.
    virtual int SetPowerMode(int mode);
    // 25: checked. Q 0xFFA0C015, 4: low byte 0, 2, 1 reported as 0, 1, 2.
    virtual int GetPowerMode(int& mode);
    // 26: S 0xFFA0C502, 4. Registry "PreambleType".
    virtual int SetPreambleType(int value);
    // 27: checked. Q 0xFFA0C502, 4: as read.
    virtual int GetPreambleType(int& value);
    // 28: S 0xFFA0C009, 4. Registry "FragThreshold".
    virtual int SetFragThreshold(int bytes);
    // 29: Q 0xFFA0C009, 4: as read.
    virtual int GetFragThreshold(int& bytes);
    // 30: S 0xFFA0C00A, 4. Registry "RtsThreshold".
    virtual int SetRtsThreshold(int bytes);
    // 31: Q 0xFFA0C00A, 4: as read.
    virtual int GetRtsThreshold(int& bytes);
    // 32: S 0xFFA0C50B, 4. Registry "EnvironmentCondition".
    virtual int SetEnvironmentCondition(int value);
    // 33: Q 0xFFA0C50B, 4: bit 0.
    virtual int GetEnvironmentCondition(int& value);
    // 34: S 0xFFA0C00C, 4: choice 0, 1, 2 sent as 0, 1, -1. Registry "RxAntennaNumber" = the
    //     value sent. Other choices: "Wrong input at SetRxAntenna()", 0, no request.
    virtual int SetRxAntenna(int choice);
    // 35: Q 0xFFA0C00C, 4: 0, 1, -1 reported as 0, 1, 2.
    virtual int GetRxAntenna(int& choice);
    // 36: checked. Q 0xFFA0C50C, 4: as read.
    virtual int GetOption50C(int& value);
    // 37: zeroes `list`, then Q 0xFFA0C016, 3332 into it; an unanswered query leaves it empty.
    //     The driver's count is not checked here (the caller rejects more than 32).
    virtual int GetBssidList(NdisBssidList& list);
    // 38: S 0xFFA0C019, no payload; the driver scans in the background.
    //     Base: shows "Decice Test", returns 1.
    virtual int StartScan();
    // 39: checked. Q 0xFFA0C017, 4: 0, 1, 2 as read, anything else -1.
    virtual int GetAuthType(int& type);
    // 40: S 0xFFA0C017, 4: type 0..2. Registry "AuthType". Other types: 0, no request.
    virtual int SetAuthType(int type);
    // 41: checked. Q 0xFFA0C01A, 4: 0 gives 1 (encryption on), 1 or 2 give 0, else -1.
    virtual int GetWepStatus(int& status);
    // 42: clears `reply`; the first `length` (at most 16) bytes of ParseHexBytes(hexText) in a
    //     zeroed 16-byte block plus mode byte 0: S then Q 0xFFA0C507, 17; `reply` = the 16
    //     reply bytes as 32 lower-case hex digits.
    virtual int SetWepKeyText(std::string hexText, int length, std::string& reply);
    // 43: as SetWepKeyText with all 16 bytes and mode byte 1; `reply` = the first `count`
    //     (at most 16) reply bytes, "%02x" each.
    virtual int GetWepKeyText(std::string hexText, int count, std::string& reply);
    // 44: S 0xFFA0C01C, 4: 0 for a non-zero flag, 1 for zero.
    virtual int SetWepEnabled(int enabled);
    // 45: S 0xFFA0C505, 48: the record as given.
    virtual int SetKeyEntry(const KeyEntry& entry);
    // 46: record zeroed, bytes 0..3 = index, byte 9 = 0xFF: S then Q 0xFFA0C505, 48; `entry` =
    //     the reply.
    virtual int GetKeyEntry(int index, KeyEntry& entry);
    // 47: S 0xFFA0C504, 8: two words, 1 for each non-zero argument, else 0.
    virtual int SetFlagPair(int first, int second);
    // 48: Q 0xFFA0C504, 8: each output 1 when its word is non-zero, else 0. Checked.
    virtual int GetFlagPair(int& first, int& second);
    // 49: in this order: Q 0xFFA0C508, 8 -> txBytes; Q 0xFFA0C509, 8 -> rxBytes;
    //     Q OID_GEN_XMIT_OK, XMIT_ERROR, RCV_OK, RCV_ERROR, 4 each -> framesSent, sendErrors,
    //     framesReceived, rxErrors; Q 0xFFA0C011, 104 (checked: else 0 with goodCrc untouched);
    //     GetDiagCounters805 (a, b, c; zero when it fails). goodCrc = a + b + c + frame
    //     duplicates + received fragments (low 32 bits, wrapping).
    virtual int GetStatistics(ULONGLONG& txBytes, ULONGLONG& rxBytes, DWORD& framesSent,
                              DWORD& sendErrors, DWORD& framesReceived, DWORD& goodCrc,
                              DWORD& rxErrors);
    // 50: S 0xFFA0C806, no payload.
    virtual int DiagCommand806();
    // 51: S 0xFFA0C50D, 4: the value.
    virtual int SetOption50D(int value);
    // 52: Q 0xFFA0C011, 104: output k = low 32 bits of counter k; outputs 1..6, 8 and 10 that
    //     were preset to 0xFFFFFFFF come back 0.
    virtual int GetStatisticsDetail(StatisticsDetail& counters);
    // 53: checked. Q 0xFFA0C805, 16: the words at offsets 4, 8, 12.
    virtual int GetDiagCounters805(DWORD& a, DWORD& b, DWORD& c);
    // 54: checked. Q 0xFFA0C80D, 16: the words at offsets 4, 8, 12.
    virtual int GetDiagCounters80D(DWORD& a, DWORD& b, DWORD& c);
    // 55: S 0xFFA0C802, 3: 01, index low byte, 00 (else "Failed to set configuration"), then
    //     Q 0xFFA0C802, 3 into it (else "Failed to read configuration"); `value` = byte 2.
    virtual int ReadBbRegister(int index, BYTE& value);
    // 56: S 0xFFA0C802, 3: 00, index low byte, value low byte (else
    //     "Failed to set configuration").
    virtual int WriteBbRegister(int index, int value);
    // 57: MacRegisterRequest read: S then Q 0xFFA0C801, 12; `value` = the reply's value.
    virtual int ReadMacRegister(int address, DWORD& value);
    // 58: MacRegisterRequest write: S 0xFFA0C801, 12.
    virtual int WriteMacRegister(int address, const DWORD& value);
    // 59: S 0xFFA0C80E, 8: a, b.
    virtual int DiagSet80E(int a, int b);
    // 60: EepromRequest read of the size: S then Q 0xFFA0C803, 6; `size` in bytes.
    virtual int GetEepromSize(WORD& size);
    // 61: EepromRequest write of a word (address low byte): S 0xFFA0C803, 6.
    virtual int WriteEepromWord(int address, int value);
    // 62: EepromRequest read of a word (address low byte): S then Q 0xFFA0C803, 6.
    virtual int ReadEepromWord(int address, WORD& value);
    // 63: non-zero skip: 1, no request. Else S 0xFFA0C804, 8: low byte of a, 3 zero bytes, b.
    virtual int DiagSet804(int a, int b, int skip);
    // 64: non-zero skip: 1, no request. Else Q 0xFFA0C804, 8 (low byte of a, zeros); the
    //     reply is dropped.
    virtual int DiagGet804(int a, int skip);
    // 65: S 0xFFA0C80B, no payload.
    virtual int DiagCommand80B();
    // 66: S 0xFFA0C80A, no payload.
    virtual int DiagCommand80A();
    // 67: S 0xFFA0C809, no payload.
    virtual int DiagCommand809();
    // 68: Q 0xFFA0C808, 48 into `block`.
    virtual int DiagGet808(DiagBlock808& block);
    // 69: S 0xFFA0C906, no payload.
    virtual int DiagCommand906();
    // 70: S 0xFFA0C901, no payload.
    virtual int DiagCommand901();
    // 71: S 0xFFA0C807, 2360: length at 0, `length` data bytes at 4, d at 2352, c at 2356.
    //     A length outside 0..2348 (or no data): 0, no request.
    virtual int DiagWrite807(const BYTE* data, int length, int c, int d);

    // Q OID_802_3_CURRENT_ADDRESS, 6: the station's address as "%02X-%02X-...".
    int GetMacAddress(std::string& text);
    // S 0xFFA0C002, 36: length, then the low byte of each UTF-16 unit (at most 32, longer
    // texts are cut). Not sent: "Failed to set SSID", 0. persist 1 also stores "Ssid".
    int SetSsid(std::string ssid, int persist);
    // Q 0xFFA0C010, 32: copies beacon period, ATIM window and DS frequency into `config` (its
    // length and hopping fields stay); `channelNumber` = first table channel of that frequency,
    // untouched when none matches.
    int GetConfiguration(NdisConfiguration& config, int& channelNumber);
    // Q OID_GEN_VENDOR_DRIVER_VERSION, 4: "major.minor" from the high and low 16 bits.
    // Not answered: "Failed to read driver version", 0.
    int GetDriverVersion(std::string& text);
    // Q 0xFFA0C512, 20 into `record`.
    int GetApInfo(ApInfoRecord& record);
    // S 0xFFA0C516, 4: 0 off, 1 on.
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
