// The end of a battle: the territory shares and general points, computed in
// double precision, rounded half to even into 16 bits, never wrapping.
#include <gtest/gtest.h>

#include "GameFixture.h"
#include "combat/BattleScreen.h"
#include "economy/UnitScreen.h"

namespace {

struct ShareCase {
    const char* name;
    int startStrength;  // the winner's
    int winnerLand, loserLand;
    int winnerPoints, loserPoints;
    int expectWinnerLand, expectLoserLand;
    int expectWinnerPoints, expectLoserPoints;
};

const ShareCase kCases[] = {
    {"exactly 1000 takes 40 %", 1000, 500, 500, 0, 0, 700, 300, 1, -1},
    {"999 takes 20 %", 999, 500, 500, 0, 0, 600, 400, 1, -1},
    {"each share of his own land", 1000, 333, 150, 5, 0, 466, 90, 6, -1},
    {"fractions round to the nearest", 999, 502, 502, 0, -3, 602, 402, 1, -4},
    {"a negative start strength is small", -5, 100, 2000, 0, 0, 120, 1600, 1, -1},
    {"land past 32767 stays at the end", 1000, 30000, 30000, 32767, -32768, 32767, 18000, 32767,
     -32768},
    {"negative land shrinks towards the end", 1000, -30000, -30000, 0, 0, -32768, -18000, 1, -1},
};

// Player 1 attacks a player 2 without units; the first quiet tick clears
// player 2's stacks and the end check declares player 1.
void playOut(TestGame& t, const ShareCase& c) {
    game::Game& g = t.game;
    t.newGame(0, 0);
    g.units(2).p(1).setText("0");
    t.clock.advance(1000);
    g.panel(1).Command1.click();
    g.panel(2).Command1.click();
    t.clock.advance(1000);
    ASSERT_TRUE(g.player(1).AttackEnabled());
    g.panel(1).Command3.click();
    t.clock.advance(1);
    game::BattleScreen& battle = g.battle();
    EXPECT_EQ(battle.StartStrength[0], 15);
    battle.StartStrength[0] = static_cast<game::int16>(c.startStrength);
    g.player(1).Territory = static_cast<game::int16>(c.winnerLand);
    g.player(2).Territory = static_cast<game::int16>(c.loserLand);
    g.player(1).GeneralPoints = static_cast<game::int16>(c.winnerPoints);
    g.player(2).GeneralPoints = static_cast<game::int16>(c.loserPoints);
    t.clock.advance(999);
    ASSERT_FALSE(battle.visible());
    ASSERT_EQ(g.messageWindow().lblText.text(), "Hráč 1 vítězí!!!");
    EXPECT_EQ(g.player(1).Territory, c.expectWinnerLand);
    EXPECT_EQ(g.player(2).Territory, c.expectLoserLand);
    EXPECT_EQ(g.player(1).GeneralPoints, c.expectWinnerPoints);
    EXPECT_EQ(g.player(2).GeneralPoints, c.expectLoserPoints);
}

TEST(BattleOutcome, TerritorySharesAndPoints) {
    for (const ShareCase& c : kCases) {
        SCOPED_TRACE(c.name);
        TestGame t;
        playOut(t, c);
    }
}

struct TurnCase {
    const char* name;
    const char* attackerRace;
    const char* defenderRace;
    int attacker;  // side 1 or 2
    int sourceSlot;
    const char* bonusBefore;
    const char* expectTurn;
    const char* expectBonus;
};

const TurnCase kTurnCases[] = {
    {"an attack passes the turn", "animalite", "alieni", 1, 1, "", "p2", ""},
    {"the Dvojčák moves again", "alieni", "animalite", 1, 5, "", "p1", "1"},
    {"for player 2 too", "alieni", "animalite", 2, 5, "", "p2", "1"},
    {"a second Dvojčák attack passes", "alieni", "alieni", 1, 5, "1", "p2", "1"},
    {"the other side's first used the bonus", "alieni", "alieni", 2, 5, "1", "p1", "1"},
    {"type 5 of another race passes", "spaceni", "alieni", 1, 5, "", "p2", ""},
    {"other Alieni stacks pass", "alieni", "alieni", 1, 4, "", "p2", ""},
    {"the race is matched exactly", "Alieni", "animalite", 1, 5, "", "p2", ""},
};

// The turn rule of a drop, on stacks of 30 against 10.
TEST(BattleTurns, WhoMovesNext) {
    for (const TurnCase& c : kTurnCases) {
        SCOPED_TRACE(c.name);
        TestGame t;
        t.newGame(0, 0);
        game::BattleScreen& battle = t.game.battle();
        t.clock.advance(1);
        const int defender = 3 - c.attacker;
        t.game.player(c.attacker).Race = c.attackerRace;
        t.game.player(defender).Race = c.defenderRace;
        forms::Image& source = battle.stack(c.attacker, c.sourceSlot);
        forms::Image& target = battle.stack(defender, 2);
        source.setTag("30");
        source.setTooltip("3");
        target.setTag("10");
        target.setTooltip("1");
        battle.BonusMoveUsed = c.bonusBefore;
        target.dragDrop(source);
        EXPECT_EQ(battle.PendingTurn, c.expectTurn);
        EXPECT_EQ(battle.BonusMoveUsed, c.expectBonus);
        EXPECT_EQ(game::BattleScreen::strengthOf(source), "20");
        EXPECT_FALSE(target.visible());
    }
}

// Stacks without units or strength take no part: no attack, no turn change.
TEST(BattleTurns, EmptyStacksTakeNoPart) {
    const char* const kEmpty[][2] = {{"0", "0"}, {"15", "0"}, {"0", "2"}};
    for (const auto& empty : kEmpty) {
        for (bool emptySource : {true, false}) {
            SCOPED_TRACE(std::string(empty[0]) + "/" + empty[1] +
                         (emptySource ? " source" : " target"));
            TestGame t;
            t.newGame(0, 0);
            game::BattleScreen& battle = t.game.battle();
            t.clock.advance(1);
            forms::Image& source = battle.stack(1, 1);
            forms::Image& target = battle.stack(2, 1);
            forms::Image& hollow = emptySource ? source : target;
            hollow.setTag(empty[0]);
            hollow.setTooltip(empty[1]);
            battle.PendingTurn = "";
            target.dragDrop(source);
            EXPECT_EQ(battle.PendingTurn, "");
            EXPECT_TRUE(source.visible());
            EXPECT_TRUE(target.visible());
            EXPECT_EQ(game::BattleScreen::countOf(hollow), empty[1]);
        }
    }
}

}  // namespace
