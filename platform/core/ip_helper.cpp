#include "platform/core/ip_helper.h"

#include <algorithm>
#include <cstring>
#include <mutex>
#include <vector>

namespace {

struct AdapterAddress {
    std::string name;
    std::string ip;
    std::string mask;
};

std::mutex g_mutex;
std::vector<AdapterAddress> g_adapters;

void CopyText(char* target, std::size_t size, const std::string& text) {
    std::size_t n = std::min(size - 1, text.size());
    std::memcpy(target, text.data(), n);
    target[n] = 0;
}

}  // namespace

DWORD GetAdaptersInfo(IP_ADAPTER_INFO* buffer, ULONG* size) {
    if (size == nullptr) return ERROR_INVALID_PARAMETER;
    std::lock_guard lock(g_mutex);
    if (g_adapters.empty()) return ERROR_NO_DATA;
    ULONG needed = static_cast<ULONG>(g_adapters.size() * sizeof(IP_ADAPTER_INFO));
    if (buffer == nullptr || *size < needed) {
        *size = needed;
        return ERROR_BUFFER_OVERFLOW;
    }
    std::memset(buffer, 0, needed);
    for (std::size_t i = 0; i < g_adapters.size(); ++i) {
        IP_ADAPTER_INFO& info = buffer[i];
        info.Next = i + 1 < g_adapters.size() ? &buffer[i + 1] : nullptr;
        info.Index = static_cast<DWORD>(i + 1);
        CopyText(info.AdapterName, sizeof(info.AdapterName), g_adapters[i].name);
        CopyText(info.IpAddressList.IpAddress.String, 16, g_adapters[i].ip);
        CopyText(info.IpAddressList.IpMask.String, 16, g_adapters[i].mask);
        info.CurrentIpAddress = &info.IpAddressList;
    }
    return ERROR_SUCCESS;
}

void SetAdapterAddress(const std::string& adapterName, const std::string& ip,
                       const std::string& mask) {
    std::lock_guard lock(g_mutex);
    for (auto& adapter : g_adapters) {
        if (adapter.name == adapterName) {
            adapter.ip = ip;
            adapter.mask = mask;
            return;
        }
    }
    g_adapters.push_back({adapterName, ip, mask});
}

void RemoveAdapterAddress(const std::string& adapterName) {
    std::lock_guard lock(g_mutex);
    std::erase_if(g_adapters, [&](const AdapterAddress& a) { return a.name == adapterName; });
}

void ClearAdapterAddresses() {
    std::lock_guard lock(g_mutex);
    g_adapters.clear();
}
