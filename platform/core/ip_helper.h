// IP helper: the adapter information list, with the record shapes the OS returns.
#pragma once

#include <string>

#include "platform/core/win_types.h"

struct IP_ADDR_STRING {
    IP_ADDR_STRING* Next;
    struct {
        char String[16];
    } IpAddress, IpMask;
    DWORD Context;
};

struct IP_ADAPTER_INFO {
    IP_ADAPTER_INFO* Next;
    DWORD ComboIndex;
    char AdapterName[260];
    char Description[132];
    UINT AddressLength;
    BYTE Address[8];
    DWORD Index;
    UINT Type;
    UINT DhcpEnabled;
    IP_ADDR_STRING* CurrentIpAddress;
    IP_ADDR_STRING IpAddressList;
    IP_ADDR_STRING GatewayList;
};

// Fills the caller's buffer with the list of adapters. With a null or too small buffer returns
// ERROR_BUFFER_OVERFLOW and the size needed in *size; ERROR_NO_DATA when there is no adapter.
DWORD GetAdaptersInfo(IP_ADAPTER_INFO* buffer, ULONG* size);

constexpr DWORD ERROR_NO_DATA = 232;

// The network stack's side: an adapter's IPv4 address and mask appear in the list while set.
void SetAdapterAddress(const std::string& adapterName, const std::string& ip,
                       const std::string& mask);
void RemoveAdapterAddress(const std::string& adapterName);
void ClearAdapterAddresses();
