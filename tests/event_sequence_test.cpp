// event_sequence_test.cpp: a long seeded storm of events through the real handlers and display.
#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <vector>

#include "support/event_harness.h"

// 400,000 bytes from a fixed seed decode into well over 100,000 events, a frame among every
// thirty-two or so; every invariant holds after each of them.
TEST(EventSequence, SeededStormKeepsEveryInvariant) {
    std::mt19937 generator(20240917);
    std::vector<std::uint8_t> bytes(400000);
    for (std::uint8_t& b : bytes) b = static_cast<std::uint8_t>(generator());
    const HarnessReport report = driveEvents(bytes.data(), bytes.size());
    EXPECT_STREQ(report.violation, nullptr) << "after event " << report.events;
    EXPECT_GE(report.events, 100000u);
    EXPECT_GE(report.frames, 3000u);
}
