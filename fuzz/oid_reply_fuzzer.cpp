// OID replies of any length and content through the adapter. Input: the request to make
// (1 byte), the reply's NDIS status, bytes transferred and bytes needed (4 bytes each), then
// the reply data.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "adapter/oid_adapter.h"
#include "fake_link.h"
#include "fuzz_input.h"

namespace {

using Call = std::function<void(OidAdapter&)>;

const std::vector<Call>& Calls() {
    static const std::vector<Call> calls = {
        [](OidAdapter& a) {
            DWORD v;
            a.GetStatusWord(v);
        },
        [](OidAdapter& a) {
            int v;
            a.GetDeviceClass(v);
        },
        [](OidAdapter& a) {
            std::string t;
            int c;
            a.GetScanState(t, c);
        },
        [](OidAdapter& a) {
            int v;
            a.GetConnectStatus(v);
        },
        [](OidAdapter& a) {
            std::string t;
            a.GetBssidText(t);
        },
        [](OidAdapter& a) {
            std::string t;
            a.GetSsid(t);
        },
        [](OidAdapter& a) {
            std::string t;
            a.GetLinkSpeedText(t);
        },
        [](OidAdapter& a) {
            int v;
            a.GetSignalStrength(v);
        },
        [](OidAdapter& a) {
            int v;
            a.GetLinkQuality(v);
        },
        [](OidAdapter& a) {
            int v;
            a.GetBssType(v);
        },
        [](OidAdapter& a) {
            int v;
            a.GetTxRate(v);
        },
        [](OidAdapter& a) {
            int v;
            a.GetSupportedRates(v);
        },
        [](OidAdapter& a) {
            NdisConfiguration c{};
            int ch;
            a.GetConfiguration(c, ch);
        },
        [](OidAdapter& a) {
            int v;
            a.GetPowerMode(v);
        },
        [](OidAdapter& a) {
            int v;
            a.GetRxAntenna(v);
        },
        [](OidAdapter& a) {
            int v;
            a.GetAuthType(v);
        },
        [](OidAdapter& a) {
            std::string r;
            a.GetWepKeyText("0102030405", 5, r);
        },
        [](OidAdapter& a) {
            KeyEntry e{};
            a.GetKeyEntry(1, e);
        },
        [](OidAdapter& a) {
            auto l = std::make_unique<NdisBssidList>();
            a.GetBssidList(*l);
        },
        [](OidAdapter& a) {
            auto b = std::make_unique<InfoBlock>();
            a.GetInfoBlock(*b);
        },
        [](OidAdapter& a) {
            WORD v;
            a.GetEepromWord19(v);
        },
        [](OidAdapter& a) {
            int v;
            a.GetMacFlag(v);
        },
        [](OidAdapter& a) {
            ULONGLONG tx, rx;
            DWORD s, se, r, g, re;
            a.GetStatistics(tx, rx, s, se, r, g, re);
        },
        [](OidAdapter& a) {
            StatisticsDetail d{};
            a.GetStatisticsDetail(d);
        },
        [](OidAdapter& a) {
            DWORD x, y, z;
            a.GetDiagCounters80D(x, y, z);
        },
        [](OidAdapter& a) {
            DWORD v;
            a.ReadMacRegister(0x10, v);
        },
        [](OidAdapter& a) {
            WORD v;
            a.GetEepromSize(v);
        },
        [](OidAdapter& a) {
            DiagBlock808 b{};
            a.DiagGet808(b);
        },
        [](OidAdapter& a) { a.DiagGet804(1, 0); },
        [](OidAdapter& a) {
            std::string r;
            a.SetWepKeyText("0102030405", 5, r);
        },
    };
    return calls;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FakeDriver& driver = InstalledFakeDriver();
    driver.openable = {u"SDW1"};
    static OidAdapter adapter(u"SDW1");
    FuzzInput input(data, size);
    const Call& call = Calls()[input.Take<uint8_t>() % Calls().size()];
    FakeOidAnswer answer;
    answer.status = input.Take<DWORD>();
    answer.bytesTransferred = input.Take<DWORD>();
    answer.bytesNeeded = input.Take<DWORD>();
    answer.data = input.Rest();
    driver.otherAnswer = answer;
    call(adapter);
    return 0;
}
