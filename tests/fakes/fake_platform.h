// All fakes of the platform layer, and a fixture that starts every test from a
// clean machine and a clean installer state.
#pragma once

#include <gtest/gtest.h>

#include "fake_clock.h"
#include "fake_files.h"
#include "fake_form_toolkit.h"
#include "fake_message_box.h"
#include "fake_payload.h"
#include "fake_processes.h"
#include "fake_progress_window.h"
#include "fake_registry.h"
#include "fake_self_removal.h"
#include "fake_shell.h"
#include "fake_system_info.h"

namespace fake {

// Puts every fake back to its defaults.
void ResetAll();

}  // namespace fake

class FakePlatformTest : public ::testing::Test {
  protected:
    void SetUp() override;
};
