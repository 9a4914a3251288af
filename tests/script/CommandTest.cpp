#include "script/Command.h"

#include "script/Tokenizer.h"

#include <gtest/gtest.h>

namespace quirn::script {
namespace {

ParsedCommand parse(const char* line) {
    return parseCommand(tokenizeLine(line).words);
}

TEST(Command, ReadsEachForm) {
    const Command press = parse("press 23 2").command;
    EXPECT_EQ(press.verb, Verb::Press);
    EXPECT_EQ(press.index, 23);
    EXPECT_EQ(press.button, 2);

    const Command at = parse("pressat 1420 1937.5 1").command;
    EXPECT_EQ(at.verb, Verb::PressAt);
    EXPECT_EQ(at.x, 1420);
    EXPECT_EQ(at.y, 1937.5);

    const Command menu = parse("click mnquick").command;
    EXPECT_EQ(menu.menu, MenuId::mnquick);
    EXPECT_FALSE(menu.control);
    const Command button = parse("click Command2").command;
    EXPECT_EQ(button.control, ControlId::Command2);
    EXPECT_FALSE(button.menu);

    const Command type = parse("type Text3 \"12 b\"").command;
    EXPECT_EQ(type.control, ControlId::Text3);
    EXPECT_EQ(type.text, "12 b");

    EXPECT_EQ(parse("file game1.puz").command.text, "game1.puz");
    EXPECT_EQ(parse("select 3").command.verb, Verb::Select);
    EXPECT_EQ(parse("combo 0").command.verb, Verb::Combo);
    EXPECT_EQ(parse("cell 83").command.index, 83);
    EXPECT_EQ(parse("start").command.verb, Verb::Start);
    EXPECT_EQ(parse("state").command.verb, Verb::State);
    // Out-of-range numbers are well formed: the window refuses them.
    EXPECT_TRUE(parse("press -1 1").ok());
    EXPECT_TRUE(parse("cell 500").ok());
}

struct AnswerCase {
    const char* line;
    AnswerKind kind;
    std::string text;
    std::optional<MenuId> menu;
};

class Answers : public ::testing::TestWithParam<AnswerCase> {};

TEST_P(Answers, AreRead) {
    const ParsedCommand parsed = parse(GetParam().line);
    ASSERT_TRUE(parsed.ok()) << parsed.error;
    EXPECT_EQ(parsed.command.verb, Verb::Answer);
    EXPECT_EQ(parsed.command.answer, GetParam().kind);
    EXPECT_EQ(parsed.command.text, GetParam().text);
    EXPECT_EQ(parsed.command.menu, GetParam().menu);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, Answers,
    ::testing::Values(AnswerCase{"answer input 12", AnswerKind::Input, "12", {}},
                      AnswerCase{"answer input \"\"", AnswerKind::Input, "", {}},
                      AnswerCase{"answer cancel", AnswerKind::Cancel, "", {}},
                      AnswerCase{"answer yes", AnswerKind::Yes, "", {}},
                      AnswerCase{"answer no", AnswerKind::No, "", {}},
                      AnswerCase{"answer popup m3", AnswerKind::Popup, "", MenuId::m3},
                      AnswerCase{"answer popup none", AnswerKind::PopupNone, "", {}}));

class Malformed : public ::testing::TestWithParam<const char*> {};

TEST_P(Malformed, IsAnError) {
    EXPECT_FALSE(parse(GetParam()).ok()) << GetParam();
}

INSTANTIATE_TEST_SUITE_P(Lines, Malformed,
                         ::testing::Values("jump", "Start", "start now", "state 1", "press 23",
                                           "press 23 1 1", "press x 1", "press 23 3", "press 23 0",
                                           "press 2.5 1", "pressat 1 2", "pressat a 2 1",
                                           "pressat 1 2 8", "click", "click Command99",
                                           "click mnquick extra", "cell", "cell one", "combo",
                                           "select x", "file", "type Text3", "type NoSuchBox text",
                                           "answer", "answer maybe", "answer input",
                                           "answer input a b", "answer yes please", "answer popup",
                                           "answer popup mnowhere", "answer cancel now"));

} // namespace
} // namespace quirn::script
