#include "core/help/HelpText.h"
#include "core/text/CommaFields.h"
#include "support/Levels.h"

#include <gtest/gtest.h>

namespace quirn {
namespace {

using test::Game;

TEST(HelpText, FieldsBecomeLines) {
    using Fields = std::vector<std::string>;
    struct Case {
        const char* what;
        std::string bytes;
        Fields fields;
    };
    const Case cases[] = {
        {"plain lines", "Rules\r\nDraw a loop\r\n", {"Rules", "Draw a loop"}},
        {"a comma splits a line",
         "Left click draws, right click marks\r\n",
         {"Left click draws", "right click marks"}},
        {"quotes keep commas",
         "\"Left click draws, right click marks\"\r\n",
         {"Left click draws, right click marks"}},
        {"empty line", "a\r\n\r\nb\r\n", {"a", "", "b"}},
        {"numbers lose their zeros", "007\r\n1.50\r\n-2\r\n", {"7", "1.5", "-2"}},
        {"numbers in ordinary form",
         "1e5\r\n3.14\r\n12345678901234567890\r\n",
         {"100000", "3.14", "1.23456789012346E+19"}},
        {"text with digits stays", "3 in a corner\r\n", {"3 in a corner"}},
        {"blanks before a field skipped", "   indented\r\n", {"indented"}},
        {"LF and CR line ends", "a\nb\rc", {"a", "b", "c"}},
        {"unclosed quote runs to the end", "\"a, b\r\nc", {"a, b\r\nc"}},
        {"trailing comma", "a,\r\nb", {"a", "", "b"}},
        {"empty file", "", {}},
    };
    for (const Case& c : cases) EXPECT_EQ(readCommaFields(c.bytes, true), c.fields) << c.what;
    EXPECT_EQ(helpViewerText("one, two\r\n"), "one\r\ntwo\r\n");
}

TEST(HelpCommands, ViewerShowsAndCloses) {
    Game game;
    game.folder.write("rules.txt", "Rules, in short\r\n");
    game.folder.write("creating.txt", "Creating\r\n");
    game.start();
    Form1& f = *game;
    f.model[ControlId::Command2].enabled = true;
    ASSERT_TRUE(f.clickMenu(MenuId::mrules).taken());
    EXPECT_TRUE(f.model[ControlId::Text6].visible);
    EXPECT_TRUE(f.model[ControlId::Command5].visible);
    EXPECT_FALSE(f.model[ControlId::Command2].visible);
    EXPECT_EQ(f.model[ControlId::Text6].caption, "Rules\r\nin short\r\n");
    f.clickMenu(MenuId::mnread);
    EXPECT_EQ(f.model[ControlId::Text6].caption, "Creating\r\n");
    game.folder.remove("rules.txt");
    f.clickMenu(MenuId::mrules);
    EXPECT_EQ(f.model[ControlId::Text6].caption, "");
    ASSERT_TRUE(f.clickControl(ControlId::Command5).taken());
    EXPECT_FALSE(f.model[ControlId::Text6].visible);
    EXPECT_FALSE(f.model[ControlId::Command5].visible);
    EXPECT_TRUE(f.model[ControlId::Command2].visible);
    EXPECT_TRUE(f.model[ControlId::Command2].enabled);
}

TEST(HelpCommands, StartScreenVersionAndWebLinks) {
    Game game;
    game.start();
    Form1& f = *game;
    game.platform.messages.clear();
    f.clickMenu(MenuId::mnstart);
    EXPECT_TRUE(f.model[ControlId::Picture1].visible);
    EXPECT_TRUE(f.clickControl(ControlId::Command4).taken());
    EXPECT_FALSE(f.model[ControlId::Picture1].visible);
    EXPECT_FALSE(f.clickControl(ControlId::Command4).taken()); // hidden with its panel
    f.clickMenu(MenuId::mVer);
    for (MenuId id : {MenuId::mnat, MenuId::msolweb, MenuId::mfor, MenuId::mweb}) f.clickMenu(id);
    std::vector<std::string> texts;
    for (const auto& m : game.platform.messages) texts.push_back(m.text);
    const std::string site = "quirnpuzzle.example/quirn";
    EXPECT_EQ(texts, (std::vector<std::string>{
                         "Version 0.9d", "Cannot find browser, pesky thing...  URL is " + site,
                         "Cannot find browser, pesky thing...  URL is " + site,
                         "Cannot find browesr, pesky thing...  URL is " + site,
                         "Cannot find browser, pesky thing...  URL is " + site}));
}

TEST(SoundEffects, ToggleRewritesTheConfiguration) {
    Game game;
    game.folder.write("quirn.cfg", test::config("quick"));
    game.start();
    game->clickMenu(MenuId::mnsound);
    EXPECT_FALSE(game->state.soundOn);
    EXPECT_FALSE(game->model[MenuId::mnsound].checked);
    EXPECT_EQ(game.folder.read("quirn.cfg"), test::config("quick", "False"));
    game->clickMenu(MenuId::mnsound);
    EXPECT_EQ(game.folder.read("quirn.cfg"), test::config("quick", "True"));
    EXPECT_TRUE(game->model[MenuId::mnsound].checked);
}

} // namespace
} // namespace quirn
