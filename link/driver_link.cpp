#include "link/driver_link.h"

#include <algorithm>
#include <vector>

#include "link/adapter_handle.h"
#include "link/driver_contract.h"
#include "link/driver_library.h"
#include "platform/core/message_box.h"
#include "platform/core/text.h"

void DriverLink::ShowError(const char* text) const { MessageBox(0, text, "", MB_OK); }

void DriverLink::CloseChannel() {
    CloseControlChannel(controlChannel);
    controlChannel = INVALID_HANDLE_VALUE;
}

bool DriverLink::Start() {
    libraryApiVersion = GetLibraryApiVersion();
    if (!ApiVersionsMatch(libraryApiVersion, RAD4_LIBRARY_API_VERSION)) {
        ShowError("API not compatibility!!");
        return false;
    }
    controlChannel = OpenControlChannel();
    if (controlChannel == INVALID_HANDLE_VALUE) {
        ShowError("Can not open control channel!!");
        return false;
    }
    if (GetDriverApiVersion(controlChannel, &driverApiVersion) != 0) {
        ShowError("Driver can not fetch API!!");
        CloseChannel();
        return false;
    }
    if (!ApiVersionsMatch(driverApiVersion, RAD4_LIBRARY_API_VERSION)) {
        ShowError("Library API version is not compatibility!!");
        CloseChannel();
        return false;
    }
    return true;
}

bool DriverLink::AdapterAnswers(const WString& name) const {
    AdapterHandle adapter = OpenAdapterHandle(name.c_str());
    if (adapter == INVALID_ADAPTER_HANDLE) return false;
    DWORD value = 0;
    DWORD length = sizeof(value);
    DWORD status = NDIS_STATUS_FAILURE;
    DWORD result =
        QueryAdapterInformation(adapter, OID_802_11_NETWORK_TYPE_IN_USE, &value, &length, &status);
    CloseAdapterHandle(adapter);
    return result == 0 && status == NDIS_STATUS_SUCCESS;
}

int DriverLink::EnumerateAdapters(HWND chooser) {
    adapterCount = 0;
    // One unit more than the driver may fill, always zero, so that a name the driver left
    // unterminated at the end of the buffer still ends inside it.
    std::vector<char16_t> list(RAD4_BINDINGS_BUFFER_SIZE / sizeof(char16_t) + 1, 0);
    DWORD returned = 0;
    // The walk ends at the empty name or at the end of the buffer; the byte count the driver
    // reports is not needed, and a driver may miscount it.
    std::size_t units = RAD4_BINDINGS_BUFFER_SIZE / sizeof(char16_t);
    if (W32N_EnumProtocolBindings(controlChannel, list.data(), RAD4_BINDINGS_BUFFER_SIZE,
                                  &returned) != 0) {
        ShowError("W32N_EnumProtocolBindings Error!!");
        units = 0;
    }
    std::size_t pos = 0;
    while (pos < units && list[pos] != 0) {
        std::size_t end = pos;
        while (end < units && list[end] != 0) ++end;
        WString name(list.data() + pos, end - pos);
        if (AdapterAnswers(name)) {
            std::string text = WideToUtf8(name);
            SendMessage(chooser, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
            ++adapterCount;
        }
        pos = end + 1;
    }
    if (adapterCount > 0) SendMessage(chooser, CB_SETCURSEL, 0, 0);
    return 0;
}

bool DriverLink::Stop() {
    if (controlChannel != INVALID_HANDLE_VALUE) CloseControlChannel(controlChannel);
    controlChannel = INVALID_HANDLE_VALUE;
    UnloadDriver();
    return true;
}
