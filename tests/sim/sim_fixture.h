// A simulated driver host on the virtual clock, with helpers that reach the driver the way the
// utility does: device calls on "RAD4:" and request blocks from the driver library.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "link/adapter_handle.h"
#include "link/driver_contract.h"
#include "link/driver_library.h"
#include "link/oid_request.h"
#include "platform/core/caller_pointer.h"
#include "platform/core/clock.h"
#include "platform/core/device_manager.h"
#include "platform/core/handle_table.h"
#include "platform/core/ip_helper.h"
#include "platform/core/last_error.h"
#include "platform/registry/registry_store.h"
#include "rad4/oids.h"
#include "sim/le_bytes.h"
#include "sim/scenario.h"
#include "sim/sim_card.h"
#include "sim/sim_host.h"
#include "sim/sim_protocol_driver.h"
#include "support/faults.h"
#include "support/test_world.h"

using namespace oids;
using ndis::kInvalidData;

inline DWORD Word(const std::vector<BYTE>& b, std::size_t at) { return GetLe32(b, at); }
// An SSID record: length word, then up to 32 bytes.
inline std::vector<BYTE> SsidRecord(const std::string& ssid) {
    std::vector<BYTE> record(36);
    record[0] = static_cast<BYTE>(ssid.size());
    std::copy(ssid.begin(), ssid.end(), record.begin() + 4);
    return record;
}

// What a request came back with.
struct Outcome {
    DWORD submit = 0xFFFFFFFF;  // SubmitRequest result after any wait
    DWORD status = 0xFFFFFFFF;
    DWORD transferred = 0;
    DWORD needed = 0;
};

class SimTest : public ::testing::Test {
  protected:
    static constexpr const char16_t* kAdapter = u"KESTREL1";

    void SetUp() override {
        ResetTestWorld();
        SetPlatformClock(&clock);
    }

    void TearDown() override {
        if (adapter != INVALID_ADAPTER_HANDLE) CloseAdapterHandle(adapter);
        for (HANDLE device : devices) CloseHandle(device);
        host.reset();
        ResetTestWorld();
        SetPlatformClock(nullptr);
    }

    // The default scenario with a wired adapter "NE20001" after the card.
    static Scenario WithWiredAdapter() {
        Scenario scenario = Scenario::Default();
        AdapterSpec wired;
        wired.name = u"NE20001";
        wired.wireless = false;
        scenario.adapters.push_back(wired);
        return scenario;
    }

    // Scenario events from a JSON list, for the default adapter.
    static std::vector<SimEvent> EventsOf(const std::string& json) {
        return Scenario::Parse(R"({"adapters": [{"name": "KESTREL1"}], "events": )" + json + "}")
            .events;
    }

    void Start(Scenario scenario = Scenario::Default()) {
        host = std::make_unique<SimHost>(std::move(scenario));
    }
    void StartOpen(Scenario scenario = Scenario::Default()) {
        Start(std::move(scenario));
        OpenAdapter();
    }
    // Ends the host and the driver library as a finished run does.
    void Stop() {
        if (adapter != INVALID_ADAPTER_HANDLE) CloseAdapterHandle(adapter);
        adapter = INVALID_ADAPTER_HANDLE;
        host.reset();
        DeviceManager::Instance().Reset();
        DriverLibrary() = DriverLibraryState{};
    }
    void RunDueAfter(DWORD ms) {
        clock.Advance(ms);
        ClockScheduler::Instance().RunDue();
    }
    SimCard& Card(const char16_t* name = kAdapter) { return *host->Card(name); }

    // Loads the driver as the utility's library does and opens a device handle on it.
    HANDLE OpenDevice() {
        if (!DeviceManager::Instance().IsRegistered(u"RAD4:")) {
            RegisterDevice(u"PCA", 4, u"RIZOZID4.dll", 0x34414350);
        }
        HANDLE device =
            CreateFile(u"RAD4:", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                       nullptr, OPEN_EXISTING, 0, 0);
        devices.push_back(device);
        return device;
    }

    // A device call with a word out; the word, or nothing when the call failed.
    std::optional<DWORD> WordCall(HANDLE device, DWORD code) {
        DWORD word = 0xEEEEEEEE, returned = 0;
        if (!DeviceIoControl(device, code, nullptr, 0, &word, 4, &returned, nullptr)) return {};
        EXPECT_EQ(returned, 4u);
        return word;
    }

    void OpenAdapter(const char16_t* name = kAdapter) {
        adapter = OpenAdapterHandle(name);
        ASSERT_NE(adapter, INVALID_ADAPTER_HANDLE);
        Card(name).ClearRequests();
    }

    // One request through a block from the driver library; the buffer is registered with
    // `registered` bytes (the request's length unless given).
    Outcome Request(DWORD type, DWORD oid, std::vector<BYTE>& buffer,
                    std::optional<DWORD> registered = {}) {
        OidRequest* request = AllocRequest();
        request->requestType = type;
        request->oid = oid;
        request->bufferLength = static_cast<DWORD>(buffer.size());
        request->buffer =
            buffer.empty()
                ? 0
                : RegisterCallerBuffer(buffer.data(), registered.value_or(request->bufferLength));
        Outcome outcome;
        outcome.submit = SubmitRequest(adapter, request);
        if (outcome.submit == NDIS_STATUS_PENDING) outcome.submit = WaitRequest(request, INFINITE);
        outcome.status = request->status;
        outcome.transferred = request->bytesTransferred;
        outcome.needed = request->bytesNeeded;
        FreeRequest(request);
        return outcome;
    }
    Outcome Query(DWORD oid, std::vector<BYTE>& buffer) { return Request(0, oid, buffer); }
    Outcome Set(DWORD oid, std::vector<BYTE> payload) { return Request(1, oid, payload); }
    // A 32-bit query that must succeed.
    DWORD QueryWord(DWORD oid) {
        std::vector<BYTE> buffer(4, 0xEE);
        Outcome outcome = Query(oid, buffer);
        EXPECT_EQ(outcome.submit, 0u);
        EXPECT_EQ(outcome.status, 0u) << std::hex << oid;
        return Word(buffer, 0);
    }
    Outcome SetWord(DWORD oid, DWORD value) { return Set(oid, Le32Bytes(value)); }

    VirtualClock clock{100000};
    std::unique_ptr<SimHost> host;
    std::vector<HANDLE> devices;
    AdapterHandle adapter = INVALID_ADAPTER_HANDLE;
};
