#include "core/help/HelpText.h"
#include "core/text/TextLines.h"
#include "support/Game.h"

#include <gtest/gtest.h>

namespace quirn {
namespace {

// The viewer shows each line of a shipped help file as written: only a whole quoted line
// may hold a comma (and loses its quotes), and no line may read as a number.
TEST(HelpText, ShippedFilesShowAsWritten) {
    const test::GameFolder folder;
    for (const char* file : {"rules.txt", "creating.txt"}) {
        SCOPED_TRACE(file);
        const std::string bytes = folder.read(file);
        std::vector<std::string> lines = splitLines(bytes);
        ASSERT_GT(lines.size(), 20u);
        EXPECT_EQ(joinLinesCrlf(lines), bytes); // CR LF line ends only
        for (std::string& line : lines) {
            EXPECT_LE(line.size(), 400u) << line; // a paragraph, not a wall of text
            if (line.size() > 1 && line.front() == '"' && line.back() == '"')
                line = line.substr(1, line.size() - 2);
        }
        EXPECT_EQ(helpViewerText(bytes), joinLinesCrlf(lines));
    }
}

TEST(HelpCommands, ViewerShowsAFileAndCloses) {
    test::Game game;
    game.folder.write("rules.txt", "Rules, in short\r\n");
    game.startQuick();
    Form1& f = game.form;
    ASSERT_TRUE(f.clickMenu(MenuId::mrules).taken());
    EXPECT_TRUE(f.model[ControlId::Text6].visible);
    EXPECT_FALSE(f.model[ControlId::Command2].visible);
    EXPECT_EQ(f.model[ControlId::Text6].caption, "Rules\r\nin short\r\n");
    f.clickMenu(MenuId::mnread); // creating.txt is missing: an empty viewer
    EXPECT_EQ(f.model[ControlId::Text6].caption, "");
    ASSERT_TRUE(f.clickControl(ControlId::Command5).taken());
    EXPECT_FALSE(f.model[ControlId::Text6].visible);
    EXPECT_FALSE(f.model[ControlId::Command5].visible);
    EXPECT_TRUE(f.model[ControlId::Command2].visible);
}

} // namespace
} // namespace quirn
