#include "support/Game.h"

#include <gtest/gtest.h>

namespace quirn {
namespace {

// Too large to read whole.
std::string tooLarge() {
    return "Game: 1\r\n" + std::string(20 << 20, 'x');
}

void startAtFive(test::Game& game, const std::optional<std::string>& skipped) {
    if (skipped) game.folder.write("puzzles/normal/skipped.dat", *skipped);
    game.folder.write("puzzles/normal/sub/game5.puz", test::twoSquareLevel());
    game.start("normal", 5, {{5, test::level("5,", ",")}, {6, test::level("6,", ",")}});
}

TEST(SkippedGames, ASkipAddsALineAndMovesOn) {
    const std::pair<std::optional<std::string>, std::string> cases[] = {
        {std::nullopt, "Game: 5\r\n"}, // no list yet
        {"Game: 2\r\n", "Game: 2\r\nGame: 5\r\n"},
        {"Game: 2", "Game: 2\r\nGame: 5\r\n"}, // a last line without its end
        {"Game: 2\n", "Game: 2\nGame: 5\r\n"},
        {tooLarge(), tooLarge()}, // left alone
    };
    for (const auto& [before, after] : cases) {
        SCOPED_TRACE(before.value_or("(none)").substr(0, 20));
        test::Game game;
        startAtFive(game, before);
        ASSERT_TRUE(game->clickMenu(MenuId::mskip).taken());
        EXPECT_EQ(game.file("skipped.dat"), after);
        EXPECT_EQ(game.file("level.dat"), test::progress(6));
        EXPECT_EQ(game.status(), "Game: 6");
    }
}

TEST(SkippedGames, AListTooLargeToShowIsNeverReplaced) {
    test::Game game;
    startAtFive(game, tooLarge());
    game->clickMenu(MenuId::mshows);
    EXPECT_TRUE(game->model[ControlId::List1].items.empty());
    game->clickControl(ControlId::Command8);
    EXPECT_EQ(game.file("skipped.dat"), tooLarge());
}

TEST(SkippedGames, PlayLevelLoadsTheNamedLevelOfTheFolder) {
    const std::tuple<const char*, const char*, const char*> cases[] = {
        {"Game: 6", "Game6.puz", "6,"},
        {"sub/game5", "sub/game5.puz", ""}, // only the folder's own levels
        {"File: game5.puz", "Filegame5.puz.puz", ""},
    };
    for (const auto& [entry, status, solution] : cases) {
        SCOPED_TRACE(entry);
        test::Game game;
        startAtFive(game, test::crlf({entry}));
        game.press({40}, 2);
        game->clickMenu(MenuId::mshows);
        ASSERT_TRUE(game->clickControl(ControlId::Command7).taken());
        EXPECT_EQ(game.status(), status);
        EXPECT_EQ(game->solutionText(), solution);
        EXPECT_FALSE(game->model.segments[40].outlined); // outlines stay
        EXPECT_FALSE(game->model[ControlId::Picture2].visible);
    }
}

} // namespace
} // namespace quirn
