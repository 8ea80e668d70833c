// event_harness.h: decodes bytes into handler calls and frames on the recording stand-in and checks
// the scene's invariants after each one; shared by the event fuzzer and the seeded event test.
#pragma once

#include <cstddef>
#include <cstdint>

// What one run found: how much it drove and the first invariant that broke, if any.
struct HarnessReport {
    std::size_t events = 0;           // handler calls and frames, each counted once
    std::size_t frames = 0;           // calls of display among them
    const char* violation = nullptr;  // the broken invariant, nullptr when every check held
};

// Starts from the start-up scene, then turns `data` into mouse, motion, key and keyboard events
// and frames until the bytes run out or an invariant breaks.
HarnessReport driveEvents(const std::uint8_t* data, std::size_t size);
