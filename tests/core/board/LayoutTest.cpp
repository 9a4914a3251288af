#include "support/Levels.h"

#include <gtest/gtest.h>

namespace quirn {
namespace {

using test::Game;

struct LayoutCase {
    std::string size;
    double windowWidth, windowHeight, imageWidth;
    double nextLeft, nextTop, clearLeft, clearTop, numberTop, saveTop;
    double panelLeft, panelTop, closeLeft, closeTop;
    int shownCount;
};

TEST(Subsize, LaysOutEachSizeClass) {
    const LayoutCase cases[] = {
        {"quick", 5850, 7440, 5850, 3480, 5810, 3480, 5810, 5810, 5810, 1000, 440, 4850, 6040, 60},
        {"normal", 6810, 8430, 6810, 4440, 6770, 4440, 6770, 6770, 6770, 1480, 1430, 5810, 7030,
         84},
        {"hard", 7725, 9165, 7725, 5420, 7700, 5420, 7730, 7730, 7700, 1937.5, 2165, 6725, 7765,
         112},
        {"advanced", 12585, 9165, 12630, 10200, 7730, 10200, 7730, 7730, 7730, 4367.5, 2165, 11585,
         7765, 187},
    };
    for (const LayoutCase& c : cases) {
        SCOPED_TRACE(c.size);
        Game game;
        game->state.sizeClass = c.size;
        for (int run = 0; run < 2; ++run) { // running it twice changes nothing
            game->subsize();
            const WindowModel& m = game->model;
            EXPECT_EQ(m.width, c.windowWidth);
            EXPECT_EQ(m.height, c.windowHeight);
            EXPECT_EQ(m[ControlId::Image1].width, c.imageWidth);
            EXPECT_EQ(m[ControlId::Image1].left, -30);
            EXPECT_EQ(m[ControlId::Image1].height, 8940);
            EXPECT_EQ(m[ControlId::Command2].left, c.nextLeft);
            EXPECT_EQ(m[ControlId::Command2].top, c.nextTop);
            EXPECT_EQ(m[ControlId::Command3].left, c.clearLeft);
            EXPECT_EQ(m[ControlId::Command3].top, c.clearTop);
            EXPECT_EQ(m[ControlId::Text3].top, c.numberTop);
            EXPECT_EQ(m[ControlId::Text3].left, 1920);
            EXPECT_EQ(m[ControlId::Command1].top, c.saveTop);
            EXPECT_EQ(m[ControlId::Command1].left, 360);
            EXPECT_EQ(m[ControlId::Label5].top, c.saveTop);
            EXPECT_EQ(m[ControlId::Label5].left, 360);
            for (ControlId panel : {ControlId::Picture1, ControlId::Picture3}) {
                EXPECT_EQ(m[panel].left, c.panelLeft);
                EXPECT_EQ(m[panel].top, c.panelTop);
            }
            EXPECT_EQ(m[ControlId::Command5].left, c.closeLeft);
            EXPECT_EQ(m[ControlId::Command5].top, c.closeTop);
            EXPECT_EQ(m[ControlId::Text6].width, c.windowWidth);
            int shown = 0;
            for (int i = 0; i < kSegmentCount; ++i) {
                shown += m.segments[i].shown;
                EXPECT_EQ(m.segments[i].shown, segmentInBlock(i, *sizeClassFromKeyword(c.size)));
            }
            EXPECT_EQ(shown, c.shownCount);
        }
        std::string upper = c.size;
        for (char& ch : upper) ch = static_cast<char>(std::toupper(ch));
        EXPECT_EQ(game->model.caption, "Quirn Puzzle:  " + upper + " Game.");
    }
}

TEST(Subsize, UnknownClassShowsNothingAndKeepsTheWindow) {
    for (const char* size : {"", "Quick", "QUICK", "hard "}) {
        SCOPED_TRACE(size);
        Game game;
        game->state.sizeClass = "advanced";
        game->subsize();
        game->state.sizeClass = size;
        game->subsize();
        const WindowModel& m = game->model;
        for (const Segment& s : m.segments) EXPECT_FALSE(s.shown);
        EXPECT_EQ(m.width, 12585);
        EXPECT_EQ(m.height, 9165);
        EXPECT_EQ(m[ControlId::Picture1].top, 9165 - 7000);
    }
    Game game;
    game->subsize();
    EXPECT_EQ(game->model.caption, "Quirn Puzzle:   Game.");
}

TEST(Subsize, KeepsMarksOfHiddenSegments) {
    Game game;
    game->state.sizeClass = "advanced";
    game->subsize();
    game->model.segments[186].marked = true;
    game->state.sizeClass = "quick";
    game->subsize();
    EXPECT_FALSE(game->model.segments[186].shown);
    EXPECT_TRUE(game->model.segments[186].marked);
}

} // namespace
} // namespace quirn
