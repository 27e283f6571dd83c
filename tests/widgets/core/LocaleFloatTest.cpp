#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "gui/graphics/Exception.h"
#include "widgets/core/LocaleFloat.h"

namespace {

std::string Failure(const std::string& text, const std::string& separator) {
    try {
        TextToFloat(text, separator);
    } catch (const Exception& e) {
        return e.Message();
    }
    return "";
}

TEST(LocaleFloatText, GeneralFormatWithFifteenSignificantDigits) {
    const std::vector<std::pair<double, std::string>> cases{
        {0, "0"},
        {-0.0, "0"},
        {1, "1"},
        {100, "100"},
        {-1.5, "-1.5"},
        {0.1, "0.1"},
        {1.0 / 3, "0.333333333333333"},
        {2.0 / 3, "0.666666666666667"},
        {99.99999999999999, "100"},
        {123456789012345, "123456789012345"},
        {1234567890123456, "1.23456789012346E15"},
        {1e15, "1E15"},
        {1e20, "1E20"},
        {-2.5e30, "-2.5E30"},
        {0.0001, "0.0001"},
        {0.00012345, "0.00012345"},
        {0.00001, "1E-5"},
        {1.5e-7, "1.5E-7"},
        {std::numeric_limits<double>::max(), "1.79769313486232E308"},
        {std::numeric_limits<double>::denorm_min(), "4.94065645841247E-324"},
    };
    for (const auto& [value, text] : cases)
        EXPECT_EQ(FloatToText(value, "."), text) << value;
    EXPECT_EQ(FloatToText(std::numeric_limits<double>::infinity(), "."), "INF");
    EXPECT_EQ(FloatToText(-std::numeric_limits<double>::infinity(), "."), "-INF");
    EXPECT_EQ(FloatToText(std::nan(""), "."), "NAN");
}

TEST(LocaleFloatText, TheSeparatorIsTheOneGiven) {
    EXPECT_EQ(FloatToText(-2.5, ","), "-2,5");
    EXPECT_EQ(FloatToText(1.25e-9, ","), "1,25E-9");
    EXPECT_EQ(FloatToText(0.001, "٫"), "0٫001");
    EXPECT_EQ(TextToFloat("-2,5", ","), -2.5);
    EXPECT_EQ(TextToFloat("0٫001", "٫"), 0.001);
    EXPECT_EQ(Failure("2.5", ","), "'2.5' is not a valid floating point value");
    EXPECT_EQ(Failure("2,5", "."), "'2,5' is not a valid floating point value");
}

TEST(LocaleFloatText, ReadingAcceptsSignsPartialNumbersAndExponents) {
    const std::vector<std::pair<std::string, double>> cases{
        {"1", 1},         {"-1.5", -1.5},     {"+2", 2},     {".5", 0.5},
        {"5.", 5},        {"-.5", -0.5},      {"1E5", 1e5},  {"1e-5", 1e-5},
        {"1.5E+3", 1500}, {"0e999999999", 0}, {"1e-400", 0}, {"007", 7},
    };
    for (const auto& [text, value] : cases)
        EXPECT_EQ(TextToFloat(text, "."), value) << text;
}

TEST(LocaleFloatText, ReadingRefusesAnythingElse) {
    const std::vector<std::string> texts{"",      " ",
                                         "abc",   "1.5x",
                                         "1..5",  ".",
                                         "-",     "e5",
                                         "1e",    "1e+",
                                         "inf",   "-INF",
                                         "nan",   "NAN",
                                         " 1",    "1 ",
                                         "0x10",  "1,5",
                                         "1e999", "-1e999",
                                         "++1",   "1.79769313486233E308"};
    for (const std::string& text : texts)
        EXPECT_EQ(Failure(text, "."), "'" + text + "' is not a valid floating point value") << text;
    // The message stops at the zero byte; the text is refused all the same.
    EXPECT_THROW(TextToFloat(std::string("1\0", 2), "."), Exception);
}

TEST(LocaleFloatText, FifteenDigitTextIsStableThroughReading) {
    for (double value : {0.1, 1.0 / 3, 2.5e-300, 6.02214076e23, -123.456, 1e-5, 0.3 - 0.1,
                         std::numeric_limits<double>::max(), std::numeric_limits<double>::lowest(),
                         std::numeric_limits<double>::denorm_min()}) {
        const std::string text = FloatToText(value, ",");
        EXPECT_EQ(FloatToText(TextToFloat(text, ","), ","), text) << value;
        EXPECT_NEAR(TextToFloat(text, ","), value, std::abs(value) * 1e-14) << value;
    }
}

TEST(LocaleFloatLocales, SeparatorsComeFromTheNamedLocale) {
    EXPECT_EQ(LocaleDecimalSeparator("C"), ".");
    EXPECT_EQ(LocaleDecimalSeparator("no_SUCH.locale"), std::nullopt);
    EXPECT_FALSE(UserDecimalSeparator().empty());
}

TEST(LocaleFloatLocales, ACommaLocaleRoundTripsWhenInstalled) {
    for (const char* name : {"ru_RU.UTF-8", "de_DE.UTF-8", "fr_FR.UTF-8", "ru_RU", "de_DE"}) {
        const std::optional<std::string> separator = LocaleDecimalSeparator(name);
        if (!separator)
            continue;
        EXPECT_EQ(*separator, ",") << name;
        EXPECT_EQ(FloatToText(1234.5, *separator), "1234,5");
        EXPECT_EQ(TextToFloat("1234,5", *separator), 1234.5);
        return;
    }
    GTEST_SKIP() << "no comma-decimal locale is installed";
}

} // namespace
