// input_test.cpp: mouse and key handlers.
#include <gtest/gtest.h>
