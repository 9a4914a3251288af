#include "core/text/Numbers.h"

#include <gtest/gtest.h>

namespace quirn {
namespace {

TEST(Numbers, ParseDecimal) {
    struct Case {
        const char* text;
        std::optional<double> value;
    };
    const Case cases[] = {
        {"12", 12},
        {"-3", -3},
        {"+7", 7},
        {"999.5", 999.5},
        {"12.", 12},
        {".5", 0.5},
        {"1e3", 1000},
        {"2.5E-1", 0.25},
        {"007", 7},
        {"", std::nullopt},
        {"-", std::nullopt},
        {".", std::nullopt},
        {"1e", std::nullopt},
        {"1,5", std::nullopt},
        {"0x10", std::nullopt},
        {"inf", std::nullopt},
        {"nan", std::nullopt},
        {" 1", std::nullopt},
        {"1e999", std::nullopt},
        {"12abc", std::nullopt},
        {"--1", std::nullopt},
    };
    for (const Case& c : cases) EXPECT_EQ(parseDecimal(c.text), c.value) << c.text;
    EXPECT_EQ(parseDecimalWithBlanks("  42\t"), 42);
    EXPECT_EQ(parseDecimalWithBlanks(" "), std::nullopt);
}

TEST(Numbers, OrdinaryText) {
    struct Case {
        double value;
        const char* text;
    };
    for (const Case& c :
         {Case{7, "7"}, Case{1.5, "1.5"}, Case{-2, "-2"}, Case{100000, "100000"},
          Case{0.25, "0.25"}, Case{0, "0"}, Case{-0.0, "0"},
          Case{12345678901234567890.0, "1.23456789012346E+19"}, Case{1e20, "1E+20"}})
        EXPECT_EQ(ordinaryNumberText(c.value), c.text) << c.text;
}

} // namespace
} // namespace quirn
