#include "sim/device_broadcast.h"

#include "platform/core/text.h"
#include "platform/ui/window_constants.h"
#include "platform/ui/window_manager.h"
#include "sim/le_bytes.h"

namespace {

constexpr std::size_t kHeaderBytes = 12;

}  // namespace

std::vector<BYTE> DeviceBroadcast::PortRecord(const std::string& deviceName) {
    WString name = Utf8ToWide(deviceName);
    std::vector<BYTE> record(kHeaderBytes + (name.size() + 1) * 2);
    PutLe32(record, 0, static_cast<DWORD>(record.size()));
    PutLe32(record, 4, DBT_DEVTYP_PORT);
    PutLe32(record, 8, 0);
    for (std::size_t i = 0; i < name.size(); ++i) PutLe16(record, kHeaderBytes + 2 * i, name[i]);
    return record;
}

void DeviceBroadcast::PortRemoved(const std::string& deviceName) {
    BroadcastDeviceChange(DBT_DEVICEREMOVECOMPLETE, PortRecord(deviceName));
}
