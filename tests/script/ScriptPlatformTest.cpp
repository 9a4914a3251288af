#include "script/ScriptPlatform.h"

#include <gtest/gtest.h>

namespace quirn::script {
namespace {

// Dialogs take their queued answers in order; with none left an input box is cancelled and a
// question answered No. Everything is printed, paths below the program folder shortened.
TEST(ScriptPlatform, AnswersFromQueuesAndPrintsEverything) {
    std::vector<std::string> lines;
    ScriptPlatform platform(ProgramFolder("/games/quirn"),
                            [&lines](const std::string& line) { lines.push_back(line); });
    platform.queueYesNo(true);
    platform.queueInput(std::string("caf\xe9"));
    platform.queuePopup(MenuId::m3);
    EXPECT_EQ(platform.messageBox("\x93Hi\x94", "Quirn", MessageButtons::Ok), MessageAnswer::Ok);
    EXPECT_EQ(platform.messageBox("Sure?", "Q", MessageButtons::YesNo), MessageAnswer::Yes);
    EXPECT_EQ(platform.messageBox("Sure?", "Q", MessageButtons::YesNo), MessageAnswer::No);
    EXPECT_EQ(platform.inputBox("Level?", "Q", "4"), "caf\xe9");
    EXPECT_EQ(platform.inputBox("Level?", "Q", "4"), "");
    EXPECT_EQ(platform.popupMenu(MenuId::mnnum), MenuId::m3);
    EXPECT_EQ(platform.popupMenu(MenuId::mnnum), std::nullopt);
    platform.playSound("/games/quirn/setup/win.wav");
    EXPECT_FALSE(platform.openUrl("http://example.invalid/"));
    EXPECT_EQ(
        lines,
        (std::vector<std::string>{
            "{\"event\":\"msgbox\",\"title\":\"Quirn\",\"text\":\"\xe2\x80\x9cHi\xe2\x80\x9d\","
            "\"buttons\":\"ok\",\"answer\":\"ok\"}",
            R"({"event":"msgbox","title":"Q","text":"Sure?","buttons":"yesno","answer":"yes"})",
            R"({"event":"msgbox","title":"Q","text":"Sure?","buttons":"yesno","answer":"no"})",
            "{\"event\":\"inputbox\",\"title\":\"Q\",\"prompt\":\"Level?\","
            "\"default\":\"4\",\"answer\":\"caf\xc3\xa9\"}",
            R"({"event":"inputbox","title":"Q","prompt":"Level?","default":"4","answer":null})",
            R"({"event":"popup","menu":"mnnum","answer":"m3"})",
            R"({"event":"popup","menu":"mnnum","answer":null})",
            R"({"event":"sound","file":"setup/win.wav"})",
            R"({"event":"openurl","url":"http://example.invalid/","opened":false})"}));
}

} // namespace
} // namespace quirn::script
