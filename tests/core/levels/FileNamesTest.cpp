// Level file names as the system keeps them: UTF-8, or any bytes but '/'.
#include "core/text/TextCodec.h"
#include "support/Game.h"

#include <gtest/gtest.h>

namespace quirn {
namespace {

TEST(FileNames, ListedAsTheyAreAndOpened) {
    struct Case {
        std::string name;   // bytes on disk
        std::string shown;  // UTF-8, as the list shows it
        std::string status; // the status line, in the game's text
    };
    const Case cases[] = {
        {"\xC3\xA9t\xC3\xA9.puz", "\xC3\xA9t\xC3\xA9.puz", "File: \xE9t\xE9.puz"},
        {"caf\xE9.puz", "caf\xEF\xBF\xBD.puz", "File: caf?.puz"},
        {"a\\b.puz", "a\\b.puz", "File: a\\b.puz"},
        {"\xE6\x97\xA5.puz", "\xE6\x97\xA5.puz", "File: ?.puz"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.shown);
        test::Game game;
        game.folder.write("puzzles/quick/" + c.name, test::twoSquareLevel());
        game.start("quick", 1, {});
        game->clickMenu(MenuId::mnopen);
        const Control& files = game->model[ControlId::File1];
        ASSERT_EQ(files.items, std::vector<std::string>{c.name});
        EXPECT_EQ(fileNameToUtf8(files.items[0]), c.shown);
        ASSERT_TRUE(game->chooseFile(0).taken());
        EXPECT_EQ(game->solutionText(), test::kTwoSquares);
        EXPECT_EQ(game.status(), c.status);
    }
}

} // namespace
} // namespace quirn
