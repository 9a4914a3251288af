#include "core/text/LetterCase.h"
#include "support/Game.h"

#include <gtest/gtest.h>

namespace quirn {
namespace {

bool within(const Rect& inner, double width, double height) {
    return inner.left >= 0 && inner.top >= 0 && inner.left + inner.width <= width &&
           inner.top + inner.height <= height;
}

// Each class's board, the button row under it and the panels fit its window.
TEST(Layout, EachSizeClassFitsItsWindow) {
    for (SizeClass size : kAllSizeClasses) {
        SCOPED_TRACE(keywordOf(size));
        test::Game game;
        game->state.sizeClass = keywordOf(size);
        game->subsize();
        const WindowModel& m = game->model;
        const double width = clientWidth(m), height = clientHeight(m);
        double boardRight = 0, boardBottom = 0;
        for (int i = 0; i < kSegmentCount; ++i) {
            ASSERT_EQ(m.segments[i].shown, segmentInBlock(i, size)) << i;
            const Rect r = segmentRect(i);
            if (!m.segments[i].shown) continue;
            EXPECT_TRUE(within(r, width, height)) << i;
            boardRight = std::max(boardRight, r.left + r.width);
            boardBottom = std::max(boardBottom, r.top + r.height);
        }
        EXPECT_GE(m[ControlId::Image1].width, boardRight);
        auto fits = [&](ControlId id) {
            const Control& c = m[id];
            return within({c.left, c.top, c.width, c.height}, width, height);
        };
        for (ControlId id : {ControlId::Command2, ControlId::Command3, ControlId::Command1,
                             ControlId::Text3, ControlId::Label5}) {
            EXPECT_TRUE(fits(id)) << controlName(id);
            EXPECT_GE(m[id].top, boardBottom) << controlName(id);
        }
        for (ControlId id : {ControlId::Command5, ControlId::Picture1, ControlId::Picture3})
            EXPECT_TRUE(fits(id)) << controlName(id);
        EXPECT_EQ(m[ControlId::Label5].top, m[ControlId::Command2].top);
        EXPECT_EQ(m.caption, "Quirn Puzzle:  " + upperCase(keywordOf(size)) + " Game.");
    }
}

TEST(Layout, UnknownClassShowsNoBoardAndKeepsTheWindow) {
    test::Game game;
    game->state.sizeClass = "advanced";
    game->subsize();
    game->model.segments[186].marked = true;
    for (const char* size : {"Quick", ""}) {
        game->state.sizeClass = size;
        game->subsize();
        for (const Segment& s : game->model.segments) EXPECT_FALSE(s.shown);
        EXPECT_EQ(game->model.width, 12585);
        EXPECT_EQ(game->model.height, 9165);
    }
    EXPECT_EQ(game->model.caption, "Quirn Puzzle:   Game.");
    EXPECT_TRUE(game->model.segments[186].marked); // a hidden segment keeps its mark
}

} // namespace
} // namespace quirn
