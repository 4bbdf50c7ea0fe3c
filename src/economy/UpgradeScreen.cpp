#include "economy/UpgradeScreen.h"

#include "app/Game.h"
#include "economy/UnitScreen.h"
#include "model/Modul1.h"

namespace game {

using forms::Button;
using forms::Label;

UpgradeScreen::UpgradeScreen(Game& game, int player)
    : GameForm(game, playerForm(player, "Special")),
      Frame1(add<forms::Frame>("Frame1", "Vylepšit        ")),
      Label1(add<Label>("Label1", "Cena:")),
      Command1(add<Button>("Command1", "OK")),
      Timer1(addTimer("Timer1", 500, true)),
      player_(player) {
    setCaption("Křížení jednotek – hráč " + std::to_string(player));
    static const char* const kPlaceholders[] = {"Krak-Scorpiona", "Supa", "Lišku", "Pumu",
                                                "Medvěda"};
    for (int slot = 1; slot <= 5; ++slot) {
        const std::size_t i = index(slot);
        upgrade_[i] = &add<Button>("Command" + std::to_string(slot + 1), kPlaceholders[i]);
        upgrade_[i]->setContainer(&Frame1);
        upgrade_[i]->onClick = [this, slot] { upgradeUnit(slot); };
        c_[i] = &add<Label>("c" + std::to_string(slot), "0");
        c_[i]->setContainer(&Frame1);
    }
    Command1.onClick = [this] { hide(); };
    Timer1.onTimer = [this] { Timer1_Timer(); };
}

// The captions are the unit names as they stand when the screen first comes
// into existence.
void UpgradeScreen::Form_Load() {
    UnitScreen& units = game().units(player_);
    for (int slot = 1; slot <= 5; ++slot)
        upgrade(slot).setText(units.nt(slot).text());
}

void UpgradeScreen::Timer1_Timer() {
    UnitScreen& units = game().units(player_);
    for (int slot = 1; slot <= 5; ++slot)
        if (auto price = parseNumber(units.c(slot).text())) c(slot).setText(text(4 * *price));
}

// Doubles the type's strength on the unit screen for the price shown here.
// Nothing changes unless the new money, strength and wage all fit.
void UpgradeScreen::upgradeUnit(int slot) {
    Game& g = game();
    PlayerState& me = g.player(player_);
    UnitScreen& units = g.units(player_);
    const auto price = parseNumber(c(slot).text());
    const auto strength = parseNumber(units.vs(slot).text());
    if (!price || !strength) return ShowMsg(g, "Chyba");
    if (*price > me.Money) return ShowMsg(g, "Nemáte dost peněz");
    const auto money = tryInteger(me.Money - *price);
    const auto wage = slot == 1 ? tryFit16(2LL * me.WagePerUnit) : me.WagePerUnit;
    const auto doubled = tryInteger(2 * *strength);
    if (!money || !wage || !doubled)
        return ShowMsg(g,
                       "Toto křížení nelze provést: hodnota by přesáhla rozsah -32768 až 32767.");
    me.Money = *money;
    units.vs(slot).setText(text(2 * *strength));
    upgrade(slot).disable();
    me.WagePerUnit = *wage;
}

}  // namespace game
