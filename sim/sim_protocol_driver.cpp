#include "sim/sim_protocol_driver.h"

#include "sim/sim_card.h"

class PendingCompleter {};

SimProtocolDriver::SimProtocolDriver(const ProtocolDriverSpec& spec,
                                     std::vector<std::shared_ptr<SimCard>> cards,
                                     std::function<void()> onUnload)
    : spec_(spec), cards_(std::move(cards)), onUnload_(std::move(onUnload)) {}
SimProtocolDriver::~SimProtocolDriver() = default;
DWORD SimProtocolDriver::Init(DWORD) { return 1; }
BOOL SimProtocolDriver::Deinit(DWORD) { return TRUE; }
DWORD SimProtocolDriver::Open(DWORD, DWORD, DWORD) { return 1; }
BOOL SimProtocolDriver::Close(DWORD) { return TRUE; }
BOOL SimProtocolDriver::IOControl(DWORD, DWORD, const BYTE*, DWORD, BYTE*, DWORD, DWORD*) {
    return FALSE;
}
void SimProtocolDriver::Shutdown() {}
HANDLE SimProtocolDriver::HeldRegistration() const { return 0; }
int SimProtocolDriver::AttachedClients() const { return 0; }
std::size_t SimProtocolDriver::OpenCount() const { return 0; }
