#include "model/number_text.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

using namespace meshsmith;

TEST(NumberText, FixedAndGeneralFormsOfSingleValues) {
    using Format = std::function<std::string(float)>;
    const Format fixed3 = [](float v) { return vertexReal(v); };
    const Format fixed5 = [](float v) { return real5(v); };
    const Format general = [](float v) { return generalReal(v); };
    const std::tuple<const Format*, float, const char*> cases[] = {
        // Seven significant digits, then three decimals; ties away from zero.
        {&fixed3, -12.34567f, "-12.346"},
        {&fixed3, 123456.78f, "123456.800"},
        {&fixed3, 1234.5625f, "1234.563"}, // exact in single precision: a true tie
        {&fixed3, -1234.5625f, "-1234.563"},
        {&fixed3, 9999999.5f, "10000000.000"},
        {&fixed3, -1.0e9f, "-1000000000.000"},
        // Values that round to zero carry no minus sign.
        {&fixed3, -0.0f, "0.000"},
        {&fixed3, -0.0004f, "0.000"},
        {&fixed5, -0.000001f, "0.00000"},
        {&fixed5, 12345678.0f, "12345680.00000"},
        {&fixed5, 0.86666667f, "0.86667"},
        // The single value widened to fifteen digits; an exponent below
        // 1e-5 and past fifteen integer digits.
        {&general, 0.6f, "0.600000023841858"},
        {&general, 2.0f, "2"},
        {&general, -0.0f, "0"},
        {&general, -1.25f, "-1.25"},
        {&general, 1e-6f, "9.99999997475243E-7"},
        {&general, 0.0000152587890625f, "0.0000152587890625"},
        {&general, 1.52587890625e-5f * 0.5f, "7.62939453125E-6"},
        {&general, 1e16f, "1.00000002725642E16"},
        {&general, 1e15f, "999999986991104"},
        {&general, -3.0e20f, "-3.00000006012263E20"},
    };
    for (const auto& [format, value, text] : cases)
        EXPECT_EQ((*format)(value), text) << value;
    for (float v :
         {0.6f, 0.1f, 1.0f / 3.0f, 123.456f, -7.75e-8f, 3.4e38f, 1.17549435e-38f, 0.99999994f})
        EXPECT_EQ(parseReal(generalReal(v)), v) << generalReal(v);
}

TEST(NumberText, ParsingTakesDecimalHexadecimalAndExponentFormsOnly) {
    const std::pair<const char*, std::int32_t> integers[] = {
        {"  -7", -7},
        {"+3", 3},
        {"$00DDDDDD", 0x00DDDDDD},
        {"0x10", 16},
        {"2147483647", 2147483647},
        {"$80000005", static_cast<std::int32_t>(0x80000005u)},
        {"-2147483648", -2147483647 - 1}};
    for (const auto& [text, value] : integers)
        EXPECT_EQ(parseInteger(text), value) << text;
    for (const char* t :
         {"", " ", "1.5", "12a", "3 ", "2147483648", "$", "$123456789", "--1", "1e3", "0x"})
        EXPECT_FALSE(parseInteger(t)) << t;

    const std::pair<const char*, float> reals[] = {{"1.235", 1.235f}, {" 3 ", 3.0f},
                                                   {"1E-6", 1e-6f},   {".5", 0.5f},
                                                   {"5.", 5.0f},      {"1e-400", 0.0f}};
    for (const auto& [text, value] : reals)
        EXPECT_EQ(parseReal(text), value) << text;
    for (const char* t :
         {"", "abc", "1,5", "nan", "inf", "1e", "1e+", ".", "-", "1.2.3", "1e39", "0x10"})
        EXPECT_FALSE(parseReal(t)) << t;
}
