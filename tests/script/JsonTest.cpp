#include "script/Json.h"

#include <gtest/gtest.h>
#include <limits>

namespace quirn::script {
namespace {

TEST(Json, StringsAreEscapedAndValidUtf8) {
    const std::pair<std::string, std::string> cases[] = {
        {"say \"hi\" C:\\q", R"("say \"hi\" C:\\q")"},
        {"a\nb\rc\td\b\f", R"("a\nb\rc\td\b\f")"},
        {std::string("\0\x1f\x7f", 3), R"("\u0000\u001f\u007f")"},
        {"caf\xc3\xa9 \xf0\x9f\x99\x82", "\"caf\xc3\xa9 \xf0\x9f\x99\x82\""},
        {"\xff \xc3 \xc0\xaf \xed\xa0\x80", R"("\ufffd \ufffd \ufffd\ufffd \ufffd\ufffd\ufffd")"},
    };
    for (const auto& [text, json] : cases) EXPECT_EQ(jsonString(text), json);
}

TEST(Json, NumbersAndObjects) {
    const std::pair<double, const char*> numbers[] = {
        {1937.5, "1937.5"},
        {2147483653.0, "2147483653"},
        {-0.25, "-0.25"},
        {std::numeric_limits<double>::quiet_NaN(), "null"}};
    for (const auto& [value, json] : numbers) EXPECT_EQ(jsonNumber(value), json);
    const std::string array = JsonArray().number(1).text("two").raw("null").str();
    EXPECT_EQ(JsonObject()
                  .text("event", "sound")
                  .boolean("on", true)
                  .null("none")
                  .raw("list", array)
                  .raw("empty", JsonArray().str())
                  .str(),
              R"({"event":"sound","on":true,"none":null,"list":[1,"two",null],"empty":[]})");
}

} // namespace
} // namespace quirn::script
