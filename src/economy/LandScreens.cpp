#include "economy/LandScreens.h"

#include <cmath>

#include "app/Game.h"
#include "model/Modul1.h"

namespace game {

using forms::Button;
using forms::Label;
using forms::TextBox;

MineScreen::MineScreen(Game& game, int player)
    : GameForm(game, playerForm(player, "Doly")),
      Label1(add<Label>("Label1", "Mate dolu:")),
      Label2(add<Label>("Label2", "0")),
      Label4(add<Label>("Label4", "Nový důl stojí:")),
      lblBudeStat(add<Label>("lblBudeStat", "0")),
      Label6(add<Label>("Label6", "Nový důl zabere:")),
      lblZaberePudy(add<Label>("lblZaberePudy", "0")),
      Label3(add<Label>("Label3", "m")),
      Command1(add<Button>("Command1", "Koupit 1 důl")),
      Command2(add<Button>("Command2", "Zrušit")),
      Timer1(addTimer("Timer1", 500, true)),
      player_(player) {
    setCaption("Nákup dolů – hráč " + std::to_string(player));
    Command1.onClick = [this] { Command1_Click(); };
    Command2.onClick = [this] { hide(); };
    Timer1.onTimer = [this] { Timer1_Timer(); };
}

void MineScreen::Timer1_Timer() {
    Game& g = game();
    notice_.run(g, "Nový důl zabere (hráč " + std::to_string(player_) + ")", [&] {
        const int16 mines = integer(Label2.text());
        lblZaberePudy.setText(text(mul16(add16(mines, 1), 4)));
    });
    if (auto land = tryInteger(lblZaberePudy.text())) mineLand_ = *land;
    lblBudeStat.setText(text(g.player(player_).MinePrice));
}

// "Koupit 1 důl": a mine that would leave less than 100 m² is refused, one
// that leaves exactly 100 is allowed.
void MineScreen::Command1_Click() {
    Game& g = game();
    PlayerState& me = g.player(player_);
    int16 price = 0;
    try {
        price = integer(lblBudeStat.text());
    } catch (const NumberError&) {
        return ShowMsg(g, "Chyba");
    }
    if (price > me.Money) return ShowMsg(g, "Nemáte dost peněz");
    if (mineLand_ > me.Territory - 100) return ShowMsg(g, "Po koupi tohoto dolu byste prohrál!!!");
    const auto money = tryFit16(static_cast<long long>(me.Money) - price);
    const auto mines = tryFit16(static_cast<long long>(me.Mines) + 1);
    const auto territory = tryFit16(static_cast<long long>(me.Territory) - mineLand_);
    if (!money || !mines || !territory)
        return ShowMsg(g, "Tento důl nelze koupit: hodnota by přesáhla rozsah -32768 až 32767.");
    me.Money = *money;
    me.Mines = *mines;
    me.Territory = *territory;
}

TerritoryScreen::TerritoryScreen(Game& game, int player)
    : GameForm(game, playerForm(player, "Uzemi")),
      Label1(add<Label>("Label1", "Mate uzemi:")),
      Label2(add<Label>("Label2", "0")),
      Label6(add<Label>("Label6", "Kolik m2 uzemi koupite::")),
      Text1(add<TextBox>("Text1", "1")),
      Label4(add<Label>("Label4", "Bude to stat:")),
      lblBudeStat(add<Label>("lblBudeStat", "0")),
      Command1(add<Button>("Command1", "Koupit půdu")),
      Command2(add<Button>("Command2", "Zrušit")),
      Timer1(addTimer("Timer1", 500, true)),
      player_(player) {
    setCaption("Nákup území – hráč " + std::to_string(player));
    Command1.onClick = [this] { Command1_Click(); };
    Command2.onClick = [this] { hide(); };
    Timer1.onTimer = [this] { Timer1_Timer(); };
}

// The price of the typed amount. An amount that is empty or not a number
// turns into "0"; the amount is taken before its price is worked out, so a
// purchase right after a bad amount is refused as "Neplatná hodnota".
void TerritoryScreen::Timer1_Timer() {
    PlayerState& me = game().player(player_);
    if (Text1.text().empty()) Text1.setText("0");
    Label2.setText(text(me.Territory));
    amount_ = Text1.text();
    const auto metres = parseNumber(amount_);
    const double price = metres ? *metres * me.TerritoryPrice : 0;
    if (!metres || !std::isfinite(price)) {
        Text1.setText("0");
        return;
    }
    price_ = price;
    lblBudeStat.setText(text(price_));
}

// "Koupit půdu" with the amount and price of the last refresh; a negative
// amount sells land. Money and land are rounded to whole numbers, a half to
// the even one; nothing changes unless both fit.
void TerritoryScreen::Command1_Click() {
    Game& g = game();
    PlayerState& me = g.player(player_);
    if (price_ > me.Money) return ShowMsg(g, "Nemáte dost peněz");
    const auto metres = parseNumber(amount_);
    const auto money = tryInteger(me.Money - price_);
    const auto territory = metres ? tryInteger(me.Territory + *metres) : std::nullopt;
    if (!money || !territory) return ShowMsg(g, "Neplatná hodnota");
    me.Money = *money;
    me.Territory = *territory;
}

}  // namespace game
