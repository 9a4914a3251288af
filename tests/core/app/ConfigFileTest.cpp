#include "core/app/ConfigFile.h"

#include "support/Game.h"

#include <gtest/gtest.h>

namespace quirn {
namespace {

TEST(ConfigFile, Reading) {
    struct Case {
        std::optional<std::string> bytes;
        bool soundBefore;
        std::string size, line;
        bool sound;
    };
    const Case cases[] = {
        {std::nullopt, false, "", "", true},
        {test::config("hard", "fALSE"), true, "hard", "65535", false},
        {test::config("hard", ""), false, "hard", "65535", true},
        {test::config("hard", "-1"), false, "hard", "65535", true},
        {test::config("hard", "maybe"), false, "hard", "65535", false}, // the setting stays
        {"quick\r\nblue.jpg\r\n", false, "quick", "", true},
        {"normal\nwash.jpg\r 255 \n0\n0\n0\n", true, "normal", " 255 ", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.bytes.value_or("(no file)"));
        GameState state;
        state.soundOn = c.soundBefore;
        readConfig(c.bytes ? std::optional<std::string_view>(*c.bytes) : std::nullopt, state);
        EXPECT_EQ(state.sizeClass, c.size);
        EXPECT_EQ(state.lineColour, c.line);
        EXPECT_EQ(state.soundOn, c.sound);
    }
    for (const auto& [text, colour] : {std::pair{" 192 ", 192u},
                                       {"1e3", 1000u},
                                       {"-5", 0u},
                                       {"2147483653", 0x80000005u},
                                       {"99999999999", 0u},
                                       {"red", 0u}})
        EXPECT_EQ(colourFromText(text), colour) << text;
}

// Every change rewrites all six lines, the texts as they were read.
TEST(ConfigFile, SettingsAreWrittenBackAsRead) {
    test::Game game;
    game.folder.write("quirn.cfg", "hard\r\nMono.jpg\r\n 0192 \r\n0\r\n+5\r\nFalse\r\nmore" +
                                       std::string(3 << 20, 'x'));
    game->Form_Load();
    EXPECT_EQ(game->state.sizeClass, "hard");
    EXPECT_TRUE(game->model[MenuId::mnuhard].checked);
    EXPECT_FALSE(game->model[MenuId::mnquick].checked);
    EXPECT_FALSE(game->model[MenuId::mnsound].checked);
    for (const char* sound : {"True", "False"}) {
        game->clickMenu(MenuId::mnsound);
        EXPECT_EQ(game.folder.read("quirn.cfg"),
                  test::crlf({"hard", "Mono.jpg", " 0192 ", "0", "+5", sound}));
        EXPECT_EQ(game->model[MenuId::mnsound].checked, sound == std::string("True"));
    }
}

} // namespace
} // namespace quirn
