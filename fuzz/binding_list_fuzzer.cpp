// The binding-list walk: whatever bytes and count the driver hands back, the utility reads only
// inside its buffer. Input: the count the driver reports (4 bytes), then the list's bytes.
#include <cstddef>
#include <cstdint>

#include "fake_link.h"
#include "fuzz_input.h"
#include "link/adapter_handle.h"
#include "link/driver_link.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FakeDriver& driver = InstalledFakeDriver();
    FuzzInput input(data, size);
    driver.bindingsReturned = input.Take<DWORD>();
    driver.bindings = input.Rest();
    driver.openable = {u"SDW1"};
    driver.answers[{u"SDW1", OID_802_11_NETWORK_TYPE_IN_USE}] = FakeOidAnswer{0, {1, 0, 0, 0}};
    DriverLink link;
    if (link.Start()) link.EnumerateAdapters(AnyChooser());
    link.Stop();
    return 0;
}
