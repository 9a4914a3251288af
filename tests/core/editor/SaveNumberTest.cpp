// "Save As #:" judges the typed number by its exact value, however it is written.
#include "core/text/Numbers.h"
#include "support/Game.h"

#include <gtest/gtest.h>

namespace quirn {
namespace {

using test::Game;

TEST(SaveNumber, ExactValueOfAnyLength) {
    struct Case {
        std::string typed;
        std::optional<std::strong_ordering> against999;
    };
    const std::string lessThanOne = "0." + std::string(500, '0') + "1";
    const Case cases[] = {
        {"999", std::strong_ordering::equal},
        {" 999.000 ", std::strong_ordering::equal},
        {"9.99e2", std::strong_ordering::equal},
        {"999.0000000000000000001", std::strong_ordering::greater},
        {"998.99999999999999999999", std::strong_ordering::less},
        {"1e-400", std::strong_ordering::less},
        {"1e400", std::strong_ordering::greater},
        {"-1e400", std::strong_ordering::less},
        {"1e99999999999999999999999", std::strong_ordering::greater},
        {lessThanOne + "e504", std::strong_ordering::greater},
        {lessThanOne + "e503", std::strong_ordering::less},
        {"000000000000000000000000000000000000000000000000000000000000000000999",
         std::strong_ordering::equal},
        {"-0", std::strong_ordering::less},
        {"1e", std::nullopt},
        {"abc", std::nullopt},
        {"", std::nullopt},
    };
    for (const Case& c : cases) EXPECT_EQ(compareDecimal(c.typed, 999), c.against999) << c.typed;
    EXPECT_EQ(compareDecimal("-0.0", 0), std::strong_ordering::equal);
    EXPECT_EQ(compareDecimal("-5", -5), std::strong_ordering::equal);
    EXPECT_EQ(compareDecimal("-5.1", -5), std::strong_ordering::less);
}

TEST(SaveNumber, TheEditorSavesByThatValue) {
    const std::string tooHigh = "Filename too high - must be below 1000";
    struct Case {
        std::string typed;
        std::string message; // empty when saved
    };
    for (const Case& c :
         {Case{"1e-400", ""}, Case{"1e400", tooHigh}, Case{"999.0000000000000000001", tooHigh},
          Case{"x1", "Filename must be a number"}}) {
        SCOPED_TRACE(c.typed);
        Game game;
        game.start("quick", 1, {});
        game->clickMenu(MenuId::mcreate);
        game->setText(ControlId::Text3, c.typed);
        game.platform.inputs.push_back("Done");
        game.platform.messages.clear();
        game->clickControl(ControlId::Command1);
        const std::filesystem::path file =
            game.folder.path() / "puzzles/quick" / ("game" + c.typed + ".puz");
        EXPECT_EQ(std::filesystem::exists(file), c.message.empty());
        EXPECT_EQ(game.platform.messages, c.message.empty() ? std::vector<std::string>{}
                                                            : std::vector<std::string>{c.message});
    }
}

} // namespace
} // namespace quirn
