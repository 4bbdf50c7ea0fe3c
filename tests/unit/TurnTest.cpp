// The hand-over between the players and the end of a peace.
#include <gtest/gtest.h>

#include "GameFixture.h"

namespace {

using TurnTest = GameFixture;

TEST_F(TurnTest, NeitherPanelIsVisibleWhileTheHandOverBoxWaits) {
    newGame(0, 1);
    int boxes = 0;
    platform.setOnBox([&](const script::BoxRecord& box) {
        ++boxes;
        EXPECT_FALSE(game.panel(1).visible()) << box.text;
        EXPECT_FALSE(game.panel(2).visible()) << box.text;
    });
    clock.advance(2000);
    game.panel(1).Command1.click();
    EXPECT_TRUE(game.panel(2).visible());
    game.panel(2).Command1.click();
    EXPECT_TRUE(game.panel(1).visible());
    EXPECT_EQ(boxes, 2);
}

// A peace is held by the panel's peace label: visible while it holds, its
// text the year it ends in. The turn cycle ends it when the year counter,
// just advanced, reads the same text; until then nothing enables the attack.
TEST_F(TurnTest, PeaceEndsInItsYearAndOnlyByEquality) {
    newGame(0, 0);
    game::PlayerPanel& p1 = game.panel(1);
    game::PlayerPanel& p2 = game.panel(2);
    auto endRound = [&] {
        clock.advance(1000);
        p1.Command1.click();
        clock.advance(1000);
        p2.Command1.click();
    };
    endRound();
    endRound();
    ASSERT_EQ(game.player(1).YearsElapsed(), "2");
    // Peace until year 5 for player 1; a peace already passed for player 2.
    for (auto [panel, until] : {std::pair{&p1, "5"}, std::pair{&p2, "1"}}) {
        panel->lblMirDoKola.setText(until);
        panel->lblMirDoKola.show();
        panel->Label10.show();
        panel->Command3.disable();
    }
    endRound();
    endRound();
    EXPECT_EQ(game.player(1).YearsElapsed(), "4");
    EXPECT_TRUE(game.player(1).AtPeace());
    EXPECT_FALSE(game.player(1).AttackEnabled());
    endRound();
    EXPECT_EQ(game.player(1).YearsElapsed(), "5");
    EXPECT_FALSE(game.player(1).AtPeace());
    EXPECT_FALSE(p1.Label10.visible());
    EXPECT_TRUE(game.player(1).AttackEnabled());
    EXPECT_EQ(game.player(1).PeaceUntil(), "5");  // hiding keeps the text
    // Player 2's counter has passed his year: his peace never ends this way.
    for (int i = 0; i < 3; ++i)
        endRound();
    EXPECT_TRUE(game.player(2).AtPeace());
    EXPECT_FALSE(game.player(2).AttackEnabled());
}

// The year counter is a text advanced through a floating-point number: it
// has no 16-bit limit.
TEST_F(TurnTest, YearCounterPassesSixteenBits) {
    newGame(0, 0);
    game.panel(1).lbllet.setText("32767");
    clock.advance(1000);
    game.panel(1).Command1.click();
    EXPECT_EQ(game.player(1).YearsElapsed(), "32768");
}

}  // namespace
