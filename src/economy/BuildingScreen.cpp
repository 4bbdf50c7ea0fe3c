#include "economy/BuildingScreen.h"

#include "app/Game.h"
#include "economy/UnitScreen.h"
#include "model/Modul1.h"

namespace game {

using forms::Button;
using forms::Label;

namespace {

// What the purchase of a once-only building unlocks on the unit screen.
std::vector<int> unlockedUnits(int building) {
    switch (building) {
        case 1:
            return {2};
        case 2:
            return {3, 4};
        case 3:
            return {5};
        default:
            return {};
    }
}

// The refusal when a purchase would take a value out of 16 bits.
const char* const kTooMuch =
    "Tuto budovu nelze koupit: hodnota by přesáhla rozsah -32768 až 32767.";

}  // namespace

BuildingScreen::BuildingScreen(Game& game, int player)
    : GameForm(game, playerForm(player, "Budovy")),
      Label3(add<Label>("Label3", "Název budovy:")),
      Label1(add<Label>("Label1", "Co dělá:")),
      Label2(add<Label>("Label2", "Počet vlastněných budov:")),
      Label10(add<Label>("Label10", "Cena za budovu:")),
      Label5(add<Label>("Label5", "Zabere území")),
      Label4(add<Label>("Label4", "Peněz:")),
      lblPenez(add<Label>("lblPenez", "10")),
      Command4(add<Button>("Command4", "Koupit")),
      Command6(add<Button>("Command6", "OK")),
      Shape1(add<forms::Shape>("Shape1")),
      player_(player) {
    setCaption("Nákup budov – hráč " + std::to_string(player));
    static const char* const kNames[] = {"Umožní 2", "Umožní 3/4", "Umožní 5", "Umožní špionáž",
                                         "Přidá ubyt místa"};
    static const char* const kTens[] = {"10", "20", "30", "40", "40"};
    for (int slot = 1; slot <= 5; ++slot) {
        const std::size_t i = index(slot);
        const std::string n = std::to_string(slot);
        nt_[i] = &add<Label>("nt" + n, kNames[i]);
        cd_[i] = &add<Label>("cd" + n, kTens[i]);
        p_[i] = &add<Label>("p" + n, "0");
        c_[i] = &add<Label>("c" + n, player == 1 ? n : n + "0");
        u_[i] = &add<Label>("u" + n, kTens[i]);
        buy_[i] = slot == 4 ? &Command4 : &add<Button>("Command" + n, "Koupit");
        buy_[i]->onClick = [this, slot] { buyBuilding(slot); };
    }
    Command6.onClick = [this] { hide(); };
}

// One building of a row. Money and land are judged on the fields as they are
// now; a building may leave exactly 100 m². Nothing changes unless every
// value of the purchase fits.
void BuildingScreen::buyBuilding(int slot) {
    Game& g = game();
    PlayerState& me = g.player(player_);
    int16 price = 0, land = 0, money = 0, territory = 0, housing = me.HousingTotal;
    std::string owned;
    try {
        price = integer(c(slot).text());
        land = integer(u(slot).text());
    } catch (const NumberError&) {
        return ShowMsg(g, "Chyba");
    }
    if (price > me.Money) return ShowMsg(g, "Nemáte dost peněz");
    if (land > me.Territory - 100) return ShowMsg(g, "Po koupi této budovy byste prohrál!!!");
    try {
        owned = text(number(p(slot).text()) + 1);
        money = sub16(me.Money, price);
        territory = sub16(me.Territory, land);
        if (slot == 5) housing = add16(me.HousingTotal, me.HousingPerBuilding);
    } catch (const NumberError&) {
        return ShowMsg(g, kTooMuch);
    }

    p(slot).setText(owned);
    me.Money = money;
    me.Territory = territory;
    if (slot == 5) {
        me.HousingTotal = housing;
        return;
    }
    for (int unit : unlockedUnits(slot))
        g.units(player_).buy(unit).enable();
    buy(slot).disable();
}

}  // namespace game
