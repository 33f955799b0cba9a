#include "model/number_text.hpp"

#include <gtest/gtest.h>

#include <cmath>

using namespace meshsmith;

TEST(VertexReal, RoundsToSevenDigitsThenShowsThreeDecimals) {
    EXPECT_EQ(vertexReal(1.5f), "1.500");
    EXPECT_EQ(vertexReal(-12.34567f), "-12.346");
    EXPECT_EQ(vertexReal(1234.5678f), "1234.568");
    EXPECT_EQ(vertexReal(123456.78f), "123456.800");
    EXPECT_EQ(vertexReal(0.0004f), "0.000");
    EXPECT_EQ(vertexReal(1.23456f), "1.235");
    EXPECT_EQ(vertexReal(-2.5f), "-2.500");
    EXPECT_EQ(vertexReal(0.0f), "0.000");
}

TEST(VertexReal, ValuesThatRoundToZeroCarryNoMinusSign) {
    EXPECT_EQ(vertexReal(-0.0f), "0.000");
    EXPECT_EQ(vertexReal(-0.0004f), "0.000");
    EXPECT_EQ(real5(-0.000001f), "0.00000");
}

TEST(VertexReal, HalfwayDigitsRoundAwayFromZero) {
    // 1234.5625 is exact in single precision: a true tie at the 8th digit.
    EXPECT_EQ(vertexReal(1234.5625f), "1234.563");
    EXPECT_EQ(vertexReal(-1234.5625f), "-1234.563");
    EXPECT_EQ(vertexReal(0.0625f), "0.063");
    EXPECT_EQ(vertexReal(9999999.5f), "10000000.000");
}

TEST(VertexReal, LargeMagnitudesUsePlainDigits) {
    EXPECT_EQ(real5(12345678.0f), "12345680.00000");
    EXPECT_EQ(vertexReal(-1.0e9f), "-1000000000.000");
    EXPECT_EQ(real5(0.86666667f), "0.86667");
}

TEST(GeneralReal, WidensTheSingleValueToFifteenDigits) {
    EXPECT_EQ(generalReal(0.6f), "0.600000023841858");
    EXPECT_EQ(generalReal(0.5f), "0.5");
    EXPECT_EQ(generalReal(2.0f), "2");
    EXPECT_EQ(generalReal(0.0f), "0");
    EXPECT_EQ(generalReal(-0.0f), "0");
    EXPECT_EQ(generalReal(-1.25f), "-1.25");
    EXPECT_EQ(generalReal(100.0f), "100");
    EXPECT_EQ(generalReal(0.25f), "0.25");
}

TEST(GeneralReal, UsesExponentBelowOneHundredThousandthAndAboveFifteenIntegerDigits) {
    EXPECT_EQ(generalReal(1e-6f), "9.99999997475243E-7");
    EXPECT_EQ(generalReal(0.0000152587890625f), "0.0000152587890625");
    EXPECT_EQ(generalReal(1.52587890625e-5f * 0.5f), "7.62939453125E-6");
    EXPECT_EQ(generalReal(1e16f), "1.00000002725642E16");
    EXPECT_EQ(generalReal(1e15f), "999999986991104");
    EXPECT_EQ(generalReal(-3.0e20f), "-3.00000006012263E20");
}

TEST(GeneralReal, ReadsBackToTheSameSingleValue) {
    for (float v :
         {0.6f, 0.1f, 1.0f / 3.0f, 123.456f, -7.75e-8f, 3.4e38f, 1.17549435e-38f, 0.99999994f}) {
        auto back = parseReal(generalReal(v));
        ASSERT_TRUE(back) << generalReal(v);
        EXPECT_EQ(*back, v) << generalReal(v);
    }
}

TEST(ParseInteger, AcceptsDecimalAndHexadecimalForms) {
    EXPECT_EQ(parseInteger("42"), 42);
    EXPECT_EQ(parseInteger("  -7"), -7);
    EXPECT_EQ(parseInteger("+3"), 3);
    EXPECT_EQ(parseInteger("$00DDDDDD"), 0x00DDDDDD);
    EXPECT_EQ(parseInteger("0x10"), 16);
    EXPECT_EQ(parseInteger("$80000005"), static_cast<std::int32_t>(0x80000005u));
    EXPECT_EQ(parseInteger("2147483647"), 2147483647);
    EXPECT_EQ(parseInteger("-2147483648"), -2147483647 - 1);
}

TEST(ParseInteger, RefusesEverythingElse) {
    for (const char* t :
         {"", " ", "1.5", "12a", "3 ", "2147483648", "$", "$123456789", "--1", "1e3", "0x"})
        EXPECT_FALSE(parseInteger(t)) << t;
    EXPECT_EQ(notAnIntegerMessage("abc"), "'abc' is not a valid integer value");
}

TEST(ParseReal, AcceptsDecimalAndExponentForms) {
    EXPECT_EQ(parseReal("1.235"), 1.235f);
    EXPECT_EQ(parseReal("-2.5"), -2.5f);
    EXPECT_EQ(parseReal(" 3 "), 3.0f);
    EXPECT_EQ(parseReal("1E-6"), 1e-6f);
    EXPECT_EQ(parseReal(".5"), 0.5f);
    EXPECT_EQ(parseReal("5."), 5.0f);
    EXPECT_EQ(parseReal("1e-400"), 0.0f);
}

TEST(ParseReal, RefusesTextsThatAreNotFiniteSingleValues) {
    for (const char* t :
         {"", "abc", "1,5", "nan", "inf", "1e", "1e+", ".", "-", "1.2.3", "1e39", "0x10"})
        EXPECT_FALSE(parseReal(t)) << t;
    EXPECT_EQ(notAFloatMessage("x"), "'x' is not a valid floating point value");
}
