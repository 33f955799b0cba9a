#include <gtest/gtest.h>
TEST(BuildChain, Placeholder) {}
