#include "core/text/TextCodec.h"
#include "core/text/TextLines.h"

#include <gtest/gtest.h>

namespace quirn {
namespace {

TEST(TextLines, Splitting) {
    using Lines = std::vector<std::string>;
    struct Case {
        std::string bytes;
        Lines lines;
    };
    const Case cases[] = {
        {"", {}},
        {"a", {"a"}},
        {"a\r\n", {"a"}},
        {"a\r\nb", {"a", "b"}},
        {"a\rb\nc\r\nd", {"a", "b", "c", "d"}},
        {"\r\n\r\n", {"", ""}},
        {"\n\r", {"", ""}},
        {std::string("a\0b\r\n", 5), {std::string("a\0b", 3)}},
    };
    for (const Case& c : cases) EXPECT_EQ(splitLines(c.bytes), c.lines);
    EXPECT_EQ(splitLines("1\r\n2\r\n3\r\n", 2), (Lines{"1", "2"}));
    EXPECT_EQ(joinLinesCrlf({"a", ""}), "a\r\n\r\n");
}

TEST(TextCodec, Windows1252) {
    struct Case {
        std::string bytes;
        std::string utf8;
    };
    const Case cases[] = {
        {"Well done!", "Well done!"},
        {"\xe9t\xe9", "\xc3\xa9t\xc3\xa9"}, // été
        {"\x80", "\xe2\x82\xac"},           // euro sign
        {"\x93quoted\x94", "\xe2\x80\x9cquoted\xe2\x80\x9d"},
        {"\x81", "\xc2\x81"}, // an undefined byte stays itself
    };
    for (const Case& c : cases) {
        EXPECT_EQ(cp1252ToUtf8(c.bytes), c.utf8);
        EXPECT_EQ(utf8ToCp1252(c.utf8), c.bytes);
    }
    EXPECT_EQ(utf8ToCp1252("\xe4\xb8\xad"), "?");       // a CJK character
    EXPECT_EQ(utf8ToCp1252("\xf0\x9f\x98\x80!"), "?!"); // an emoji
    EXPECT_EQ(utf8ToCp1252("\xff\xc3"), "??");          // broken UTF-8
    for (int b = 0; b < 256; ++b) {
        const std::string one(1, static_cast<char>(b));
        EXPECT_EQ(utf8ToCp1252(cp1252ToUtf8(one)), one) << b;
    }
}

} // namespace
} // namespace quirn
