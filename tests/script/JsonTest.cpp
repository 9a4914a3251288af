#include "script/Json.h"

#include "JsonValue.h"

#include <gtest/gtest.h>
#include <limits>

namespace quirn::script {
namespace {

struct StringCase {
    std::string input;
    std::string json;
};

class JsonStrings : public ::testing::TestWithParam<StringCase> {};

TEST_P(JsonStrings, Escapes) {
    const std::string json = jsonString(GetParam().input);
    EXPECT_EQ(json, GetParam().json);
    // What is written reads back as the text, where the text is valid UTF-8.
    const auto back = quirn::testing::JsonValue::parse(json);
    ASSERT_TRUE(back.has_value());
    if (GetParam().input.find('\xff') == std::string::npos) {
        EXPECT_EQ(back->string(), GetParam().input);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, JsonStrings,
    ::testing::Values(StringCase{"", R"("")"}, StringCase{"plain", R"("plain")"},
                      StringCase{"say \"hi\"", R"("say \"hi\"")"},
                      StringCase{"C:\\games\\quirn", R"("C:\\games\\quirn")"},
                      StringCase{"a\nb\rc\td", R"("a\nb\rc\td")"}, StringCase{"\b\f", R"("\b\f")"},
                      StringCase{std::string("nul\0x", 5), R"("nul\u0000x")"},
                      StringCase{"\x01\x1f\x7f", R"("\u0001\u001f\u007f")"},
                      StringCase{"caf\xc3\xa9 \xe2\x82\xac", "\"caf\xc3\xa9 \xe2\x82\xac\""},
                      StringCase{"\xf0\x9f\x99\x82", "\"\xf0\x9f\x99\x82\""},
                      StringCase{"bad \xff byte", R"("bad \ufffd byte")"},
                      StringCase{"/slash/", R"("/slash/")"}));

TEST(JsonStrings, BrokenUtf8BecomesReplacementCharacters) {
    EXPECT_EQ(jsonString("\xc3"), R"("\ufffd")");                     // cut short
    EXPECT_EQ(jsonString("\xc0\xaf"), R"("\ufffd\ufffd")");           // overlong
    EXPECT_EQ(jsonString("\xed\xa0\x80"), R"("\ufffd\ufffd\ufffd")"); // surrogate
}

struct NumberCase {
    double value;
    const char* json;
};

class JsonNumbers : public ::testing::TestWithParam<NumberCase> {};

TEST_P(JsonNumbers, Formats) {
    EXPECT_EQ(jsonNumber(GetParam().value), GetParam().json);
}

INSTANTIATE_TEST_SUITE_P(
    Values, JsonNumbers,
    ::testing::Values(NumberCase{5810, "5810"}, NumberCase{1937.5, "1937.5"}, NumberCase{0, "0"},
                      NumberCase{-30, "-30"}, NumberCase{-0.25, "-0.25"},
                      NumberCase{2147483653.0, "2147483653"}, NumberCase{0.1, "0.1"},
                      NumberCase{1e300, "1e+300"},
                      NumberCase{std::numeric_limits<double>::infinity(), "null"},
                      NumberCase{std::numeric_limits<double>::quiet_NaN(), "null"}));

TEST(JsonBuilders, ObjectsAndArraysInOrder) {
    const std::string array = JsonArray().number(1).text("two").raw("null").str();
    EXPECT_EQ(array, R"([1,"two",null])");
    EXPECT_EQ(JsonArray().str(), "[]");
    EXPECT_EQ(JsonObject().str(), "{}");
    const std::string object = JsonObject()
                                   .text("event", "sound")
                                   .number("n", 2.5)
                                   .boolean("on", true)
                                   .boolean("off", false)
                                   .null("none")
                                   .raw("list", array)
                                   .text("quote\"key", "v")
                                   .str();
    EXPECT_EQ(
        object,
        R"({"event":"sound","n":2.5,"on":true,"off":false,"none":null,"list":[1,"two",null],"quote\"key":"v"})");
    EXPECT_TRUE(quirn::testing::JsonValue::parse(object).has_value());
}

} // namespace
} // namespace quirn::script
