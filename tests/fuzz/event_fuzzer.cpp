// event_fuzzer.cpp: libFuzzer target that drives the handlers and display with the shared event harness.
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "support/event_harness.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const HarnessReport report = driveEvents(data, size);
    if (report.violation != nullptr) {
        std::fprintf(stderr, "invariant broken after event %zu: %s\n", report.events, report.violation);
        std::abort();
    }
    return 0;
}
