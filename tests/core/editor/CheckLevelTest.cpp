// The level check without a solver, and with one that gives up; what the real solver
// finds is tested through quirn-script.
#include "support/Game.h"

#include <gtest/gtest.h>

namespace quirn::test {
namespace {

struct GivingUp : LoopSolver {
    Solutions solve(SizeClass, const std::array<int, kSquareCount>&) const override {
        return {Solutions::Fit::Undecided, {}, ""};
    }
    bool isOneLoop(const std::vector<int>&) const override { return true; }
};

TEST(CheckLevel, NeedsASolverAndSaysWhenItGivesUp) {
    Game without;
    without.startQuick();
    EXPECT_EQ(without->clickMenu(MenuId::mncheck).refusal, "disabled");

    GameFolder folder;
    folder.write("quirn.cfg", config("quick"));
    folder.write("puzzles/quick/level.dat", progress(1));
    folder.write("puzzles/quick/game1.puz", twoSquareLevel());
    FakePlatform platform;
    const GivingUp solver;
    Form1 f(ProgramFolder(folder.path()), platform, &solver);
    f.Form_Load();
    f.clickMenu(MenuId::mcreate);
    f.Label1_MouseDown(23, 1);
    ASSERT_TRUE(f.clickMenu(MenuId::mnsolve).taken());
    ASSERT_TRUE(f.clickMenu(MenuId::mncheck).taken());
    EXPECT_EQ(platform.messages, std::vector<std::string>(2, "These clues could not be checked."));
    EXPECT_EQ(f.markedText(), "23,");
}

} // namespace
} // namespace quirn::test
