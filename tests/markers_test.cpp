// markers_test.cpp: the self-crossing pass.
#include <gtest/gtest.h>
