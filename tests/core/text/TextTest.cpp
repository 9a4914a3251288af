#include "core/text/CommaFields.h"
#include "core/text/Numbers.h"
#include "core/text/TextCodec.h"

#include <gtest/gtest.h>

namespace quirn {
namespace {

using Texts = std::vector<std::string>;

TEST(Numbers, ReadTheSameWhateverTheLocale) {
    const std::pair<std::string, std::optional<double>> cases[] = {
        {" -3\t", -3},
        {"+7", 7},
        {".5", 0.5},
        {"2.5E-1", 0.25},
        {"007", 7},
        {"1,5", std::nullopt},
        {"0x10", std::nullopt},
        {"inf", std::nullopt},
        {"1e999", std::nullopt},
        {"1 2", std::nullopt},
        {"-", std::nullopt},
        {std::string(63, '0') + "7", 7},
        {std::string(64, '0') + "7", std::nullopt}, // too long
    };
    for (const auto& [text, value] : cases) EXPECT_EQ(readNumber(text), value) << text;
    EXPECT_EQ(parseDecimal(" 1"), std::nullopt);
    EXPECT_EQ(roundedWithin(6.5, 0, 10), 6); // half to even
    EXPECT_EQ(roundedWithin(7.6, 0, 10), 8);
    EXPECT_EQ(roundedWithin(10.6, 0, 10), std::nullopt);
    EXPECT_EQ(ordinaryNumberText(-1.5), "-1.5");
    EXPECT_EQ(ordinaryNumberText(100000), "100000");
    EXPECT_EQ(ordinaryNumberText(12345678901234567890.0), "1.23456789012346E+19");
}

TEST(CommaFields, SplitLinesAtCommasOutsideQuotes) {
    struct Case {
        std::string bytes;
        Texts fields;
    };
    const Case cases[] = {
        {"Left click draws, right click marks\r\n", {"Left click draws", "right click marks"}},
        {"\"Left, right\" dropped\r\nnext", {"Left, right", "next"}},
        {"a\r\n\r\nb", {"a", "", "b"}},
        {"007\r\n1.50\r\n1e5\r\n3 in a row", {"7", "1.5", "100000", "3 in a row"}},
        {"   indented", {"indented"}},
        {"\"a, b\r\nc", {"a, b\r\nc"}},
        {"a,\r\nb", {"a", "", "b"}},
    };
    for (const Case& c : cases) EXPECT_EQ(readCommaFields(c.bytes, true), c.fields) << c.bytes;
    EXPECT_EQ(readCommaFields("007,Game: 5", false), (Texts{"007", "Game: 5"}));
}

TEST(TextCodec, Windows1252) {
    const std::pair<std::string, std::string> cases[] = {
        {"\xe9t\xe9", "\xc3\xa9t\xc3\xa9"},
        {"\x80", "\xe2\x82\xac"},
        {"\x93q\x94", "\xe2\x80\x9cq\xe2\x80\x9d"},
        {"\x81", "\xc2\x81"}, // undefined: kept as itself
    };
    for (const auto& [bytes, utf8] : cases) {
        EXPECT_EQ(cp1252ToUtf8(bytes), utf8);
        EXPECT_EQ(utf8ToCp1252(utf8), bytes);
    }
    EXPECT_EQ(utf8ToCp1252("\xe4\xb8\xad \xf0\x9f\x98\x80 \xff\xc3"), "? ? ??");
    for (int b = 0; b < 256; ++b) {
        const std::string one(1, static_cast<char>(b));
        EXPECT_EQ(utf8ToCp1252(cp1252ToUtf8(one)), one) << b;
    }
}

} // namespace
} // namespace quirn
