// allocation_counter.h: counts global operator new calls, to prove a code path allocates nothing.
#pragma once

#include <cstddef>

// Allocations made through operator new since the program started.
std::size_t allocationCount();
