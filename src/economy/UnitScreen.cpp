#include "economy/UnitScreen.h"

#include "app/Game.h"
#include "model/Modul1.h"

namespace game {

using forms::Button;
using forms::Image;
using forms::Label;
using forms::TextBox;

UnitScreen::UnitScreen(Game& game, int player)
    : GameForm(game, playerForm(player, "Units")),
      Label3(add<Label>("Label3", "Název jednotky:")),
      Label1(add<Label>("Label1", "Bojová síla jenotky:")),
      Label2(add<Label>("Label2", "Počet vlastněných jednotek:")),
      Label10(add<Label>("Label10", "Cena za kus:")),
      Label4(add<Label>("Label4", "Celková bojová síla:")),
      lblVS(add<Label>("lblVS", "0")),
      Label5(add<Label>("Label5", "Celkem jednotek:")),
      lblcj(add<Label>("lblcj", "0")),
      Label6(add<Label>("Label6", "Celkový plat jednotkám:")),
      lblcp(add<Label>("lblcp", "0")),
      Label8(add<Label>("Label8", "Peněz:")),
      Label7(add<Label>("Label7", "?")),
      Command6(add<Button>("Command6", "OK")),
      Shape1(add<forms::Shape>("Shape1")),
      Timer1(addTimer("Timer1", 500, true)),
      player_(player) {
    setCaption("Nákup jednotek – hráč " + std::to_string(player));
    // Placeholders until a race fills the rows; player 2's screen had others.
    static const char* const kStrength1[] = {"10", "20", "30", "40", "50"};
    static const char* const kStrength2[] = {"30", "10", "20", "45", "11"};
    static const char* const kPrice2[] = {"10", "20", "30", "40", "50"};
    for (int slot = 1; slot <= 5; ++slot) {
        const std::size_t i = index(slot);
        const std::string n = std::to_string(slot);
        pct_[i] = &add<Image>("pct" + n);
        nt_[i] = &add<Label>("nt" + n, "TYP" + n + ":");
        vs_[i] = &add<Label>("vs" + n, player == 1 ? kStrength1[i] : kStrength2[i]);
        p_[i] = &add<Label>("p" + n, slot == 1 ? "1" : "0");
        c_[i] = &add<Label>("c" + n, player == 1 ? "0" : kPrice2[i]);
        text_[i] = &add<TextBox>("Text" + n, "1");
        buy_[i] = &add<Button>("Command" + n, "Koupit");
        if (slot > 1) buy_[i]->disable();
        buy_[i]->onClick = [this, slot] { buyUnits(slot); };
    }
    Command6.onClick = [this] { hide(); };
    Timer1.onTimer = [this] { Timer1_Timer(); };
}

// "Koupit" of a row: the typed quantity, whole or not, positive or not, at
// the row's price. The housing check asks for one free place, judged on the
// unit total from before the last refresh. A purchase is all or nothing: any
// value that does not convert or fit leaves everything as it was.
void UnitScreen::buyUnits(int slot) {
    Game& g = game();
    PlayerState& me = g.player(player_);
    int16 count = 0, cost = 0, newMoney = 0;
    try {
        count = integer(p(slot).text());
        const std::string quantity = Text(slot).text();
        cost = integer(number(quantity) * number(c(slot).text()));
        if (cost > me.Money) return ShowMsg(g, "Na to nemáte dost peněz");
        if (totalAtStart_ + 1 > me.HousingTotal) return ShowMsg(g, "Nemáte dost volných míst");
        count = integer(count + number(quantity));
        newMoney = sub16(me.Money, cost);
    } catch (const NumberError&) {
        return ShowMsg(g, "Chyba");
    }
    p(slot).setText(text(count));
    me.Money = newMoney;
}

// The totals. The strength total multiplies by the counts the previous
// refresh read, so it follows a change of the counts one refresh late.
void UnitScreen::Timer1_Timer() {
    Game& g = game();
    PlayerState& me = g.player(player_);
    const std::string who = " hráče " + std::to_string(player_);

    // lblcj holds only what this refresh wrote; should it ever not read, the
    // last good total stays.
    if (auto total = tryInteger(lblcj.text())) totalAtStart_ = *total;
    Label7.setText(text(me.Money));
    for (int slot = 1; slot <= 5; ++slot)
        notice_.run(g, "Bojová síla jednotky " + std::to_string(slot) + who,
                    [&] { strength_[index(slot)] = integer(vs(slot).text()); });
    notice_.run(g, "Celková bojová síla" + who, [&] {
        int16 total = 0;
        for (std::size_t j = 0; j < 5; ++j)
            total = add16(total, mul16(strength_[j], count_[j]));
        lblVS.setText(text(total));
    });
    for (int slot = 1; slot <= 5; ++slot)
        notice_.run(g, "Počet jednotek " + std::to_string(slot) + who,
                    [&] { count_[index(slot)] = integer(p(slot).text()); });
    notice_.run(g, "Celkem jednotek" + who, [&] {
        int16 total = 0;
        for (int16 n : count_)
            total = add16(total, n);
        lblcj.setText(text(total));
    });
    if (auto total = tryInteger(lblcj.text())) totalAtEnd_ = *total;
    notice_.run(g, "Celkový plat jednotkám" + who,
                [&] { lblcp.setText(text(mul16(me.WagePerUnit, totalAtEnd_))); });
}

}  // namespace game
