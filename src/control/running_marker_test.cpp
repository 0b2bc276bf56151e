#include "control/running_marker.h"

#include <gtest/gtest.h>

#include "fake_platform.h"

namespace {

class RunningMarkerTest : public FakePlatformTest {};

TEST_F(RunningMarkerTest, RunningOnlyWhenTheProductsMappingAlreadyExists) {
    struct Row {
        const char* existingMapping;  // nullptr: none
        bool creationFails;
        bool running;
    } rows[] = {
        {"norvelik_memfile", false, true},
        {nullptr, false, false},
        {"other_memfile", false, false},
        {nullptr, true, false},
    };
    for (const Row& r : rows) {
        fake::Processes().Reset();
        if (r.existingMapping) fake::Processes().mappings.insert(r.existingMapping);
        fake::Processes().mappingCreationFails = r.creationFails;
        EXPECT_EQ(IsAppRunning(), r.running);
        EXPECT_EQ(fake::Processes().probes, 1);
    }
}

}  // namespace
