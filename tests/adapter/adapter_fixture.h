// An OidAdapter on the real adapter channel, talking through the device manager to the
// simulated driver and card, on a virtual clock, with a fresh registry and captured messages.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "adapter/oid_adapter.h"
#include "link/driver_library.h"
#include "platform/core/clock.h"
#include "platform/core/device_manager.h"
#include "platform/registry/registry_store.h"
#include "sim/radio_world.h"
#include "sim/sim_card.h"
#include "sim/sim_host.h"
#include "sim/sim_protocol_driver.h"
#include "support/bytes.h"
#include "support/faults.h"
#include "support/message_capture.h"
#include "support/test_world.h"

// Messages and the registry, without a driver.
class RegistryTest : public ::testing::Test {
  protected:
    static constexpr const char* PARMS = "Comm\\KESTREL1\\Parms";

    void SetUp() override {
        SetPlatformClock(&clock);
        RegistryStore::Instance().Reset();
        RegistryStore::Instance().SetString(PARMS, "DriverVersion", "2.5.0.17");
    }
    void TearDown() override {
        RegistryStore::Instance().Reset();
        SetPlatformClock(nullptr);
    }
    std::optional<std::string> Stored(const std::string& name) const {
        return RegistryStore::Instance().GetString(PARMS, name);
    }

    VirtualClock clock{1000};
    MessageCapture captured;
    std::vector<std::string>& messages = captured.texts;
};

class AdapterTest : public RegistryTest {
  protected:
    static constexpr const char16_t* NAME = u"SDW1";

    void SetUp() override {
        RegistryTest::SetUp();
        Scenario scenario = HomeScenario(NAME);
        scenario.seed = 7;
        host = std::make_unique<SimHost>(scenario);
        adapter = std::make_unique<OidAdapter>(NAME);
        card = host->Card(NAME);
        ASSERT_NE(card, nullptr);
        card->ClearRequests();
    }
    void TearDown() override {
        adapter.reset();
        host.reset();
        DeviceManager::Instance().Reset();
        DriverLibrary() = DriverLibraryState{};
        RegistryTest::TearDown();
    }

    std::vector<RecordedRequest> Received(DWORD oid, DWORD type) const {
        return ::Received(*card, oid, type);
    }
    // Payload of the only set of `oid`; empty (and a failure) when there was not exactly one.
    Bytes SetPayload(DWORD oid) const {
        auto sets = Received(oid, 1);
        EXPECT_EQ(sets.size(), 1u) << std::hex << oid;
        return sets.size() == 1 ? sets[0].data : Bytes{};
    }
    void Refuse(DWORD oid, RequestMatch match = RequestMatch::Any) {
        card->AddFault(Refusal(oid, match));
    }
    void Reply(DWORD oid, Bytes data) { card->AddFault(ReplyWith(oid, std::move(data))); }

    std::unique_ptr<SimHost> host;
    std::unique_ptr<OidAdapter> adapter;
    SimCard* card = nullptr;
};
