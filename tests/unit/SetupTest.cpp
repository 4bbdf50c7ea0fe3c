// The start of a game: the setup's order and the system messages.
#include <gtest/gtest.h>

#include "GameFixture.h"
#include "economy/UnitScreen.h"
#include "model/Modul1.h"

namespace {

using SetupTest = GameFixture;

TEST_F(SetupTest, SystemMessagesGoOnlyToAPlayerKey) {
    newGame(0, 0);
    game.panel(1).lblNew.hide();
    game.panel(2).lblNew.hide();
    for (const char* key : {"", "p3", "P1", "p1 ", "1"}) {
        SCOPED_TRACE(key);
        game::PostSystemMessage(game, "x", key);
        EXPECT_EQ(game.player(1).SystemMessage, "Vítejte ve hře Zarvokan");
        EXPECT_EQ(game.player(2).SystemMessage, "Vítejte ve hře Zarvokan");
        EXPECT_FALSE(game.player(1).NewMessage());
        EXPECT_FALSE(game.player(2).NewMessage());
    }
    game::PostSystemMessage(game, "Zpráva", "p2");
    EXPECT_EQ(game.player(2).SystemMessage, "Zpráva");
    EXPECT_TRUE(game.player(2).NewMessage());
    EXPECT_FALSE(game.player(1).NewMessage());
}

// The race is applied after player 1's panel is up: the panel exists, and
// player 2's with it, before a single race value is copied.
TEST_F(SetupTest, PanelsComeBeforeTheRaces) {
    game.setOnFormCreated([&](forms::Form& form) {
        if (form.name() == "p1Units") {
            EXPECT_NE(game.existing("p1"), nullptr);
            EXPECT_NE(game.existing("p2"), nullptr);
            EXPECT_EQ(game.player(1).Money, 0);
        }
    });
    newGame(2, 3);
    EXPECT_EQ(game.player(1).Money, 50);
    EXPECT_EQ(game.player(1).UnitName(1), "Mechanický škorpion");
    EXPECT_EQ(game.player(2).UnitName(1), "Vážko-sršeň");
    EXPECT_EQ(game.player(2).WagePerUnit, 7);
}

// Nothing but the race values is set by a new game: counts, buildings and
// flags keep what they held.
TEST_F(SetupTest, ANewGameKeepsWhatItDoesNotSet) {
    test.startProgram();
    game.units(1).p(1).setText("7");
    game.units(1).buy(3).enable();
    game.player(1).GeneralPoints = 4;
    newGame(0, 0);
    EXPECT_EQ(game.player(1).UnitsOwned(1), "7");
    EXPECT_TRUE(game.player(1).UnitBuyEnabled(3));
    EXPECT_EQ(game.player(1).GeneralPoints, 4);
    EXPECT_EQ(game.player(1).UnitStrength(1), "15");
}

}  // namespace
