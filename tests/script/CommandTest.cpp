#include "script/Command.h"

#include "script/Tokenizer.h"

#include <gtest/gtest.h>

namespace quirn::script {
namespace {

TEST(Tokenizer, SplitsALineIntoWords) {
    const std::pair<const char*, std::vector<std::string>> cases[] = {
        {"  # comment \"", {}},
        {"  press\t23   1\r", {"press", "23", "1"}},
        {R"(x "two words" "" "say \"hi\"" "back\\slash" a\b)",
         {"x", "two words", "", "say \"hi\"", "back\\slash", "a\\b"}},
        {"x \"#no comment\"", {"x", "#no comment"}},
    };
    for (const auto& [line, words] : cases) {
        EXPECT_TRUE(tokenizeLine(line).ok()) << line;
        EXPECT_EQ(tokenizeLine(line).words, words) << line;
    }
    for (const char* bad : {"x \"open", R"(x "a\")", R"(x "\n")", R"(x "a"b)", R"(x a"b")"})
        EXPECT_FALSE(tokenizeLine(bad).ok()) << bad;
}

ParsedCommand parse(const char* line) {
    return parseCommand(tokenizeLine(line).words);
}

TEST(Command, ReadsEachFormAndNothingElse) {
    const Command press = parse("pressat 1420 1937.5 4").command;
    EXPECT_EQ(press.y, 1937.5);
    EXPECT_EQ(press.button, 4);
    EXPECT_EQ(parse("click mnquick").command.menu, MenuId::mnquick);
    EXPECT_EQ(parse("click Command2").command.control, ControlId::Command2);
    EXPECT_EQ(parse("cell 500").command.index, 500); // the window refuses it, not the reader
    EXPECT_EQ(parse("answer popup none").command.answer, AnswerKind::PopupNone);
    for (const char* line : {"combo 0", "answer cancel", "answer no", "answer input \"\""})
        EXPECT_TRUE(parse(line).ok()) << line;
    for (const char* line :
         {"jump", "Start", "start now", "press 23", "press x 1", "press 23 3", "press 2.5 1",
          "pressat a 2 1", "click Command99", "cell one", "type Text3", "type NoSuchBox text",
          "answer maybe", "answer input", "answer yes please", "answer popup mnowhere"})
        EXPECT_FALSE(parse(line).ok()) << line;
}

} // namespace
} // namespace quirn::script
