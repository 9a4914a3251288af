#include "support/Game.h"

#include <gtest/gtest.h>

namespace quirn {
namespace {

TEST(Themes, RecolourEverythingAndAreRemembered) {
    test::Game game;
    game.folder.write("setup/Mono.jpg", "jpeg");
    game.startQuick();
    game->clickMenu(MenuId::mh1); // silver hint lines take the theme's colour too
    game.press({30});
    ASSERT_TRUE(game->clickMenu(MenuId::mnugrey).taken()); // Parchment
    const WindowModel& m = game->model;
    EXPECT_EQ(m[ControlId::Image1].picture, "setup/Mono.jpg");
    for (int i : {12, 30}) EXPECT_EQ(m.segments[i].colour, 0x808080u);
    EXPECT_EQ(m.squares[10].textColour, 0x595959u);
    EXPECT_EQ(m[ControlId::Label5].foreColor, 0x595959u);
    EXPECT_EQ(m[ControlId::Command2].backColor, 0u);
    EXPECT_EQ(game.folder.read("quirn.cfg"),
              test::crlf({"quick", "Mono.jpg", "8421504", "0", "5855577", "True"}));
    game->clickMenu(MenuId::mnalt); // blue.jpg is missing: the window's own picture shows
    EXPECT_EQ(m[ControlId::Image1].picture, "");
    EXPECT_EQ(game->state.themePicture, "blue.jpg");
}

} // namespace
} // namespace quirn
