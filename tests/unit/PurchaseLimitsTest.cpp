// Purchases whose 16-bit values would overflow are refused as a whole, with
// a reason; nothing wraps around.
#include <gtest/gtest.h>

#include "GameFixture.h"
#include "economy/BuildingScreen.h"
#include "economy/LandScreens.h"
#include "economy/UnitScreen.h"
#include "economy/UpgradeScreen.h"

namespace {

class PurchaseLimitsTest : public GameFixture {
  protected:
    void SetUp() override {
        newGame(0, 0);
        me().Money = 30000;
        clock.advance(1000);
    }
    game::PlayerState& me() { return game.player(1); }
    std::string message() { return game.messageWindow().lblText.text(); }
};

TEST_F(PurchaseLimitsTest, HousingPastTheLimit) {
    me().HousingTotal = 32760;
    game.buildings(1).buy(5).click();
    EXPECT_EQ(message(), "Tuto budovu nelze koupit: hodnota by přesáhla rozsah -32768 až 32767.");
    EXPECT_EQ(me().HousingTotal, 32760);
    EXPECT_EQ(me().Money, 30000);
    EXPECT_EQ(me().Territory, 500);
    EXPECT_EQ(me().BuildingsOwned(5), "0");
    // With room below the limit the same purchase goes through.
    me().HousingTotal = 32757;
    game.buildings(1).buy(5).click();
    EXPECT_EQ(me().HousingTotal, 32767);
    EXPECT_EQ(me().BuildingsOwned(5), "1");
}

TEST_F(PurchaseLimitsTest, MinesPastTheLimit) {
    me().Mines = 32767;
    clock.advance(1000);  // the mine screen has seen a count; its land fits
    game.mines(1).Command1.click();
    EXPECT_EQ(message(), "Tento důl nelze koupit: hodnota by přesáhla rozsah -32768 až 32767.");
    EXPECT_EQ(me().Mines, 32767);
    EXPECT_EQ(me().Money, 30000);
}

struct UpgradeCase {
    const char* name;
    int slot;
    int wage;
    const char* strength;
};

TEST_F(PurchaseLimitsTest, UpgradesPastTheLimit) {
    const UpgradeCase cases[] = {
        {"doubled wage", 1, 20000, "15"},
        {"doubled strength", 2, 5, "16384"},
    };
    game::UpgradeScreen& upgrades = game.upgrades(1);
    clock.advance(500);
    for (const UpgradeCase& c : cases) {
        SCOPED_TRACE(c.name);
        me().WagePerUnit = static_cast<game::int16>(c.wage);
        game.units(1).vs(c.slot).setText(c.strength);
        upgrades.upgrade(c.slot).click();
        EXPECT_EQ(message(),
                  "Toto křížení nelze provést: hodnota by přesáhla rozsah -32768 až 32767.");
        EXPECT_EQ(me().WagePerUnit, c.wage);
        EXPECT_EQ(me().UnitStrength(c.slot), c.strength);
        EXPECT_EQ(me().Money, 30000);
        EXPECT_TRUE(upgrades.upgrade(c.slot).enabled());
    }
}

// A refresh value out of range is told once; once it fits again, a new
// overflow is told again.
TEST_F(PurchaseLimitsTest, OutOfRangeNoticeComesOncePerOverflow) {
    game::UnitScreen& units = game.units(1);
    const int before = platform.beeps();
    units.vs(1).setText("40000");
    clock.advance(2000);
    EXPECT_EQ(platform.beeps(), before + 1);
    EXPECT_EQ(message(),
              "Hodnota „Bojová síla jednotky 1 hráče 1“ je mimo rozsah -32768 až 32767, zůstává "
              "její poslední platná hodnota.");
    EXPECT_EQ(units.lblVS.text(), "15");
    units.vs(1).setText("20");
    clock.advance(1000);
    EXPECT_EQ(units.lblVS.text(), "20");
    units.vs(1).setText("-40000");
    clock.advance(1000);
    EXPECT_EQ(platform.beeps(), before + 2);
    EXPECT_EQ(units.lblVS.text(), "20");
}

}  // namespace
