#include "script/ScriptPlatform.h"

#include <gtest/gtest.h>

namespace quirn::script {
namespace {

struct Recorder {
    std::vector<std::string> lines;
    ScriptPlatform platform{ProgramFolder("/games/quirn"),
                            [this](const std::string& line) { lines.push_back(line); }};
};

TEST(ScriptPlatform, OkBoxNeedsNoAnswerAndLeavesTheQueue) {
    Recorder r;
    r.platform.queueYesNo(true);
    EXPECT_EQ(r.platform.messageBox("Levels missing? Jumping to: 7", "Quirn", MessageButtons::Ok),
              MessageAnswer::Ok);
    EXPECT_EQ(r.platform.messageBox("Sure?", "Quirn", MessageButtons::YesNo), MessageAnswer::Yes);
    EXPECT_EQ(r.platform.messageBox("Sure?", "Quirn", MessageButtons::YesNo), MessageAnswer::No);
    EXPECT_EQ(
        r.lines,
        (std::vector<std::string>{
            R"({"event":"msgbox","title":"Quirn","text":"Levels missing? Jumping to: 7","buttons":"ok","answer":"ok"})",
            R"({"event":"msgbox","title":"Quirn","text":"Sure?","buttons":"yesno","answer":"yes"})",
            R"({"event":"msgbox","title":"Quirn","text":"Sure?","buttons":"yesno","answer":"no"})"}));
}

TEST(ScriptPlatform, YesNoAnswersInTheOrderQueued) {
    Recorder r;
    r.platform.queueYesNo(false);
    r.platform.queueYesNo(true);
    EXPECT_EQ(r.platform.messageBox("a", "t", MessageButtons::YesNo), MessageAnswer::No);
    EXPECT_EQ(r.platform.messageBox("b", "t", MessageButtons::YesNo), MessageAnswer::Yes);
}

TEST(ScriptPlatform, InputBoxTakesQueuedTextOrCancels) {
    Recorder r;
    r.platform.queueInput(std::string("caf\xe9"));
    r.platform.queueInput(std::nullopt);
    EXPECT_EQ(r.platform.inputBox("Level?", "Restart", "4"), "caf\xe9");
    EXPECT_EQ(r.platform.inputBox("Level?", "Restart", "4"), "");
    EXPECT_EQ(r.platform.inputBox("Again?", "Restart", ""), "");
    EXPECT_EQ(
        r.lines,
        (std::vector<std::string>{
            "{\"event\":\"inputbox\",\"title\":\"Restart\",\"prompt\":\"Level?\","
            "\"default\":\"4\",\"answer\":\"caf\xc3\xa9\"}",
            R"({"event":"inputbox","title":"Restart","prompt":"Level?","default":"4","answer":null})",
            R"({"event":"inputbox","title":"Restart","prompt":"Again?","default":"","answer":null})"}));
}

TEST(ScriptPlatform, PopupGivesQueuedItemOrNone) {
    Recorder r;
    r.platform.queuePopup(MenuId::m3);
    EXPECT_EQ(r.platform.popupMenu(MenuId::mnnum), MenuId::m3);
    EXPECT_EQ(r.platform.popupMenu(MenuId::mnnum), std::nullopt);
    EXPECT_EQ(r.lines,
              (std::vector<std::string>{R"({"event":"popup","menu":"mnnum","answer":"m3"})",
                                        R"({"event":"popup","menu":"mnnum","answer":null})"}));
}

TEST(ScriptPlatform, OutwardActionsArePrintedAndFail) {
    Recorder r;
    r.platform.playSound("/games/quirn/setup/win.wav");
    EXPECT_FALSE(r.platform.startProgram("notepad /games/quirn/help/rules.txt"));
    EXPECT_FALSE(r.platform.openUrl("http://example.invalid/forum"));
    EXPECT_EQ(r.lines,
              (std::vector<std::string>{
                  R"({"event":"sound","file":"setup/win.wav"})",
                  R"({"event":"startprogram","command":"notepad help/rules.txt","started":false})",
                  R"({"event":"openurl","url":"http://example.invalid/forum","opened":false})"}));
}

TEST(ScriptPlatform, TextsDecodedFromTheCodePage) {
    Recorder r;
    r.platform.messageBox("\x93quoted\x94 \x80", "Quirn", MessageButtons::Ok);
    ASSERT_EQ(r.lines.size(), 1u);
    EXPECT_NE(r.lines[0].find("\xe2\x80\x9cquoted\xe2\x80\x9d \xe2\x82\xac"), std::string::npos)
        << r.lines[0];
}

} // namespace
} // namespace quirn::script
