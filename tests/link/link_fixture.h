// Runs the driver library against the simulated driver; message boxes are answered at once.
#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "link/adapter_handle.h"
#include "link/driver_contract.h"
#include "link/driver_library.h"
#include "platform/core/device_manager.h"
#include "sim/scenario.h"
#include "sim/sim_host.h"
#include "sim/sim_protocol_driver.h"
#include "support/message_capture.h"
#include "support/test_world.h"

class LinkTest : public ::testing::Test {
  protected:
    void SetUp() override { ResetTestWorld(); }
    void TearDown() override {
        host.reset();
        ResetTestWorld();
    }
    void Start(Scenario scenario = Scenario::Default()) {
        host = std::make_unique<SimHost>(std::move(scenario));
    }

    std::unique_ptr<SimHost> host;
    MessageCapture captured;
};
