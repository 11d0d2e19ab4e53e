// The network list on both sides: the simulated card fills it from any networks, any count and
// any caller's buffer, and the utility reads what arrives. Input: buffer capacity (2 bytes), a
// count override flag and value (1 + 4 bytes), then 16 bytes per network.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <optional>

#include "adapter/oid_adapter.h"
#include "fake_link.h"
#include "fuzz_input.h"
#include "rad4/oids.h"
#include "sim/scan_list_writer.h"

namespace {

NetworkSighting Sighting(FuzzInput& input) {
    NetworkSighting sighting{};
    NetworkSpec& n = sighting.network;
    for (auto& byte : n.bssid) byte = input.Take<uint8_t>();
    n.channel = 1 + input.Take<uint8_t>() % 14;
    n.privacy = input.Take<uint8_t>();
    n.mode = input.Take<uint8_t>();
    n.beaconPeriod = input.Take<uint16_t>();
    auto text = input.Bytes(input.Take<uint8_t>() % 40);
    n.ssid.assign(text.begin(), text.end());
    n.rates = input.Bytes(input.Take<uint8_t>() % 12);
    sighting.signalDbm = input.Take<int8_t>();
    return sighting;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzInput input(data, size);
    DWORD capacity = input.Take<uint16_t>();
    std::optional<DWORD> count;
    if (input.Take<uint8_t>() & 1) count = input.Take<DWORD>();
    std::vector<NetworkSighting> networks;
    while (!input.Empty()) networks.push_back(Sighting(input));
    std::vector<BYTE> list = ScanListWriter::Write(networks, count, capacity);
    if (list.size() > std::max<DWORD>(capacity, 4) || (list.size() - 4) % oids::kBssidEntrySize)
        std::abort();

    FakeDriver& driver = InstalledFakeDriver();
    driver.openable = {u"SDW1"};
    static OidAdapter adapter(u"SDW1");
    driver.otherAnswer = FakeOidAnswer{0, list};
    auto read = std::make_unique<NdisBssidList>();
    adapter.GetBssidList(*read);
    return 0;
}
