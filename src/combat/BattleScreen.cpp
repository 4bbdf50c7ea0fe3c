#include "combat/BattleScreen.h"

#include "app/Game.h"
#include "model/Modul1.h"

namespace game {

using forms::Image;
using forms::Label;

bool Attack(Game& game, int player) {
    if (game.player(player).TotalStrength() == "0") {
        ShowMsg(game, "Nemáte žádné jednotky, nemůžete útočit");
        return false;
    }
    BattleScreen& battle = game.battle();
    battle.Timer3.enable();
    battle.Timer1.enable();
    battle.Timer2.enable();
    battle.PendingTurn = playerKey(player);
    battle.show();
    return true;
}

BattleScreen::BattleScreen(Game& game)
    : GameForm(game, "Form1"),
      Label5(add<Label>("Label5", "Na tahu je:")),
      lblnatahu(add<Label>("lblnatahu")),
      lblP1(add<Label>("lblP1", "Player1 (sem přijde pojmenování země:")),
      lblP2(add<Label>("lblP2", "Player2 (sem přijde pojmenování země:")),
      Label1(add<Label>("Label1", "Sila (celkem):")),
      lblVS(add<Label>("lblVS", "0")),
      Label2(add<Label>("Label2", "Pocet:")),
      lblP(add<Label>("lblP", "0")),
      Timer3(addTimer("Timer3", 1, true)),
      Timer1(addTimer("Timer1", 500, false)),
      Timer2(addTimer("Timer2", 500, false)) {
    setCaption("Bitva");
    for (int n = 1; n <= 10; ++n) {
        Image& image = add<Image>("Image" + std::to_string(n));
        stacks_[static_cast<std::size_t>(n - 1)] = &image;
        image.onMouseMove = [this, &image] { hover(image); };
        image.onDragOver = [this, &image](forms::Control&) { hover(image); };
        image.onDragDrop = [this, &image](forms::Control& source) { dragDrop(image, source); };
    }
    Timer3.onTimer = [this] { Timer3_Timer(); };
    Timer1.onTimer = [this] { Timer1_Timer(); };
    Timer2.onTimer = [this] { Timer2_Timer(); };
}

void BattleScreen::Form_Load() {
    setUp();
}

// Both armies from the unit screens: a stack per unit type with the count
// owned and the strength of them all. Until the first turn tick nobody can
// drag.
void BattleScreen::setUp() {
    Game& g = game();
    for (int p = 1; p <= 2; ++p) {
        notice_.run(g, "Počáteční síla hráče " + std::to_string(p), [&] {
            StartStrength[static_cast<std::size_t>(p - 1)] = integer(g.player(p).TotalStrength());
        });
    }
    for (int p = 1; p <= 2; ++p) {
        const PlayerState& player = g.player(p);
        for (int slot = 1; slot <= 5; ++slot) {
            Image& s = stack(p, slot);
            const std::string count = player.UnitsOwned(slot);
            const auto units = parseNumber(count);
            const auto strength = parseNumber(player.UnitStrength(slot));
            s.setTooltip(count);
            s.setDragIcon(player.UnitIcon(slot));
            s.setTag(units && strength ? text(*strength * *units) : "0");
            s.setPicture(player.UnitIcon(slot));
            s.setDraggable(false);
            s.show();
        }
    }
}

void BattleScreen::Timer3_Timer() {
    setUp();
    BonusMoveUsed.clear();
    lblP1.setText(game().player(1).CountryName);
    lblP2.setText(game().player(2).CountryName);
    Timer3.disable();
}

// Hands the turn over, or else clears away the stacks left without strength.
void BattleScreen::Timer1_Timer() {
    if (PendingTurn == "p1" || PendingTurn == "p2") {
        const int side = PendingTurn == "p1" ? 1 : 2;
        for (int slot = 1; slot <= 5; ++slot)
            stack(3 - side, slot).setDraggable(false);
        for (int slot = 1; slot <= 5; ++slot)
            stack(side, slot).setDraggable(true);
        lblnatahu.setText(side == 1 ? lblP1.text() : lblP2.text());
        PendingTurn.clear();
        return;
    }
    for (int n = 1; n <= 10; ++n) {
        const auto strength = parseNumber(strengthOf(stack(n)));
        if (strength && *strength == 0) stack(n).hide();
    }
}

void BattleScreen::hover(const Image& stack) {
    lblVS.setText(strengthOf(stack));
    lblP.setText(countOf(stack));
}

int BattleScreen::sideOf(const forms::Control& control) const {
    for (int n = 1; n <= 10; ++n)
        if (&stack(n) == &control) return n <= 5 ? 1 : 2;
    return 0;
}

// One attack: `source` is dropped on `target`. A drop on the own side does
// nothing. A stack without units or strength takes no part in an attack, so
// no per-unit strength is ever divided by zero.
void BattleScreen::dragDrop(Image& target, forms::Control& sourceControl) {
    const int defender = sideOf(target);
    const int attacker = sideOf(sourceControl);
    if (attacker == 0 || attacker == defender) return;
    Image& source = static_cast<Image&>(sourceControl);
    const auto ts = parseNumber(strengthOf(target));
    const auto tc = parseNumber(countOf(target));
    const auto as = parseNumber(strengthOf(source));
    const auto ac = parseNumber(countOf(source));
    if (!ts || !tc || !as || !ac || *ts == 0 || *tc == 0 || *as == 0 || *ac == 0) return;

    // The defender moves next, but the first attack of an Alieni type-5 stack
    // in a battle earns its side one more move.
    PendingTurn = playerKey(defender);
    const bool twin = &source == &stack(attacker, 5) && game().player(attacker).Race == "alieni";
    if (twin) PendingTurn = playerKey(attacker);
    if (BonusMoveUsed == "1" && twin) PendingTurn = playerKey(defender);
    if (twin) BonusMoveUsed = "1";

    const double tu = *ts / *tc;
    const double au = *as / *ac;
    const double d = *as - *ts;
    auto destroy = [](Image& s) {
        s.setTag("0");
        s.setTooltip("0");
        s.hide();
    };
    if (d < 0) {
        target.setTag(text(*ts - *as));
        target.setTooltip(text(number(strengthOf(target)) / tu));
        destroy(source);
    } else if (d == 0) {
        destroy(source);
        destroy(target);
    } else {
        source.setTag(text(*as - *ts));
        source.setTooltip(text(number(strengthOf(source)) / au));
        destroy(target);
    }
}

bool BattleScreen::sideAlive(int side) const {
    for (int slot = 1; slot <= 5; ++slot)
        if (stack(side, slot).visible()) return true;
    return false;
}

void BattleScreen::Timer2_Timer() {
    if (!sideAlive(1) && !sideAlive(2)) {
        ShowMsg(game(), "Nevyhrál nikdo!!");
        EndBattle(game());
        return;
    }
    if (!sideAlive(2)) return win(1);
    if (!sideAlive(1)) return win(2);
}

// The winner takes 40 % of his own land from a start strength of 1000 on, else
// 20 %; the loser loses that share of his own land. A value beyond 16 bits
// stays at the end of the range.
void BattleScreen::win(int winner) {
    Game& g = game();
    ShowMsg(g, winner == 1 ? "Hráč 1 vítězí!!!" : "Hráč 2 vítězí!!!");
    PlayerState& w = g.player(winner);
    PlayerState& l = g.player(3 - winner);
    const double share = StartStrength[static_cast<std::size_t>(winner - 1)] >= 1000 ? 40 : 20;
    const double tw = w.Territory;
    const double tl = l.Territory;
    w.Territory = saturate16(tw / 100 * share + tw);
    l.Territory = saturate16(tl - tl / 100 * share);
    w.GeneralPoints = saturate16(w.GeneralPoints + 1.0);
    l.GeneralPoints = saturate16(l.GeneralPoints - 1.0);
    EndBattle(g);
}

}  // namespace game
