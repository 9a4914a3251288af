#include "core/app/ConfigFile.h"

#include "core/app/Form1.h"
#include "support/Levels.h"

#include <gtest/gtest.h>

namespace quirn {
namespace {

TEST(ConfigFile, Reading) {
    struct Case {
        const char* what;
        std::optional<std::string> bytes;
        bool startSound; // the value before reading
        std::string size, picture, line;
        bool sound;
    };
    const Case cases[] = {
        {"missing file", std::nullopt, false, "", "", "", true},
        {"empty file", std::string(), false, "", "", "", true},
        {"full file", test::config("normal"), false, "normal", "red.jpg", "65535", true},
        {"False", test::config("hard", "False"), true, "hard", "red.jpg", "65535", false},
        {"false in lower case", test::config("hard", "false"), true, "hard", "red.jpg", "65535",
         false},
        {"empty sixth line", test::config("hard", ""), false, "hard", "red.jpg", "65535", true},
        {"number 0", test::config("hard", "0"), true, "hard", "red.jpg", "65535", false},
        {"number -1", test::config("hard", "-1"), false, "hard", "red.jpg", "65535", true},
        {"garbage keeps the setting", test::config("hard", "maybe"), false, "hard", "red.jpg",
         "65535", false},
        {"short file", std::string("quick\r\nblue.jpg\r\n"), false, "quick", "blue.jpg", "", true},
        {"lines end in LF", std::string("normal\nwash.jpg\n255\n0\n0\nFalse\n"), true, "normal",
         "wash.jpg", "255", false},
        {"lines end in CR", std::string("normal\rwash.jpg\r255\r0\r0\rFalse\r"), true, "normal",
         "wash.jpg", "255", false},
        {"no trimming", std::string("quick \r\nred.jpg\r\n 65535 \r\n"), false, "quick ", "red.jpg",
         " 65535 ", true},
        {"binary garbage", std::string("\0\xff\x01zz", 5), false, std::string("\0\xff\x01zz", 5),
         "", "", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        GameState state;
        state.soundOn = c.startSound;
        readConfig(c.bytes ? std::optional<std::string_view>(*c.bytes) : std::nullopt, state);
        EXPECT_EQ(state.sizeClass, c.size);
        EXPECT_EQ(state.themePicture, c.picture);
        EXPECT_EQ(state.lineColour, c.line);
        EXPECT_EQ(state.soundOn, c.sound);
    }
}

TEST(ConfigFile, ColoursAreWrittenBackCharacterForCharacter) {
    const std::string original = "quick\r\nred.jpg\r\n 65535 \r\n0192\r\n+16777215\r\nTrue\r\n";
    GameState state;
    readConfig(original, state);
    EXPECT_EQ(formatConfig(state), original);
    state.soundOn = false;
    EXPECT_EQ(formatConfig(state), "quick\r\nred.jpg\r\n 65535 \r\n0192\r\n+16777215\r\nFalse\r\n");
    GameState empty;
    empty.soundOn = true;
    EXPECT_EQ(formatConfig(empty), "\r\n\r\n\r\n\r\n\r\nTrue\r\n");
}

TEST(ConfigFile, ColourText) {
    struct Case {
        const char* text;
        std::uint32_t colour;
    };
    for (const Case& c :
         {Case{"65535", 65535}, Case{" 192 ", 192}, Case{"16777215", 0xFFFFFF}, Case{"", 0},
          Case{"red", 0}, Case{"12abc", 0}, Case{"-5", 0}, Case{"0x10", 0}, Case{"99999999999", 0},
          Case{"1e3", 1000}, Case{"2147483653", 0x80000005}})
        EXPECT_EQ(colourFromText(c.text), c.colour) << c.text;
}

TEST(ConfigFile, SaverRewritesAllSixLinesAndTheChecks) {
    test::Game game;
    game.folder.write("quirn.cfg",
                      "hard\r\nMono.jpg\r\n 8421504 \r\n0\r\n5855577\r\nFalse\r\nextra\r\n");
    game.start();
    EXPECT_TRUE(game->model[MenuId::mnuhard].checked);
    EXPECT_FALSE(game->model[MenuId::mnquick].checked);
    EXPECT_FALSE(game->model[MenuId::mnsound].checked);
    game->state.soundOn = true;
    game->state.sizeClass = "quick";
    game->saver();
    EXPECT_EQ(game.folder.read("quirn.cfg"),
              "quick\r\nMono.jpg\r\n 8421504 \r\n0\r\n5855577\r\nTrue\r\n");
    EXPECT_TRUE(game->model[MenuId::mnsound].checked);
    EXPECT_TRUE(game->model[MenuId::mnquick].checked);
    EXPECT_FALSE(game->model[MenuId::mnuhard].checked);
}

TEST(ConfigFile, JunkAfterTheSixthLineIsIgnoredHoweverLong) {
    test::Game game;
    game.folder.write("quirn.cfg", test::config("hard", "False") + std::string(3 << 20, 'x'));
    game.folder.write("puzzles/hard/level.dat", " 1 \r\n" + std::string(2 << 20, ' '));
    game.folder.write("puzzles/hard/game1.puz", test::twoSquareLevel() + std::string(2 << 20, '9'));
    game.start();
    EXPECT_EQ(game->state.sizeClass, "hard");
    EXPECT_FALSE(game->state.soundOn);
    EXPECT_EQ(game->state.gameNumber, 1);
    EXPECT_EQ(game->solutionText(), test::kTwoSquareSolution);
    EXPECT_EQ(game->state.successMessage, "Well done!");
}

TEST(ConfigFile, StartWithoutConfiguration) {
    test::Game game;
    game.folder.write("puzzles/quick/game1.puz", test::twoSquareLevel());
    game.start();
    const Form1& form = *game;
    EXPECT_EQ(form.state.sizeClass, "");
    EXPECT_TRUE(form.state.soundOn);
    for (MenuId id : {MenuId::mnquick, MenuId::mnnorm, MenuId::mnuhard, MenuId::mnadv})
        EXPECT_FALSE(form.model[id].checked);
    for (const Segment& s : form.model.segments) EXPECT_FALSE(s.shown);
    EXPECT_EQ(form.model.caption, "Quirn Puzzle:   Game.");
    EXPECT_EQ(form.model[ControlId::Image1].picture, "");
    EXPECT_EQ(form.model[ControlId::Label5].foreColor, 0u);
    EXPECT_EQ(form.model[ControlId::Command2].backColor, 0u);
}

} // namespace
} // namespace quirn
