#include "economy/PlayerPanel.h"

#include "app/Game.h"
#include "combat/BattleScreen.h"
#include "economy/BuildingScreen.h"
#include "economy/LandScreens.h"
#include "economy/UnitScreen.h"
#include "economy/UpgradeScreen.h"
#include "model/Modul1.h"

namespace game {

using forms::Button;
using forms::Label;
using forms::Shape;

PlayerPanel::PlayerPanel(Game& game, int player)
    : GameForm(game, playerKey(player)),
      lblNazevZeme(add<Label>("lblNazevZeme", player == 1 ? "P1" : "P2")),
      Label1(add<Label>("Label1", "Peněz:")),
      lblpenez(add<Label>("lblpenez", "10000")),
      Label2(add<Label>("Label2", "Území:")),
      lbluzemi(add<Label>("lbluzemi", "500")),
      Label6(add<Label>("Label6", "Dolů:")),
      lblDolu(add<Label>("lblDolu", "10")),
      Label4(add<Label>("Label4", "Ubytovacích míst celkem:")),
      lblmist(add<Label>("lblmist", "10")),
      Label9(add<Label>("Label9", "Ubytovacích míst volných:")),
      lblmistvolnych(add<Label>("lblmistvolnych", "10")),
      Label7(add<Label>("Label7", "Výnos za měsíc:")),
      lblVynos(add<Label>("lblVynos", "0")),
      Label5(add<Label>("Label5", "Uplynulých let:")),
      lbllet(add<Label>("lbllet", "0")),
      Label10(add<Label>("Label10", "Mír do roku:")),
      lblMirDoKola(add<Label>("lblMirDoKola", "0")),
      lblNew(add<Label>("lblNew", "NOVÁ ZPRÁVA")),
      Label8(add<Label>("Label8", "Ekonomika")),
      Command2(add<Button>("Command2", "Nakoupit jednotky")),
      Command4(add<Button>("Command4", "Nakoupit doly")),
      Command5(add<Button>("Command5", "Nakoupit uzemi")),
      Command6(add<Button>("Command6", "Nakoupit budovy")),
      Label3(add<Label>("Label3", "Bojové")),
      Command3(add<Button>("Command3", "Zaútočit")),
      Command10(add<Button>("Command10", "Křížení jednotek")),
      Label11(add<Label>("Label11", "Politika")),
      cmdspionaz(add<Button>("cmdspionaz", "Špionáž")),
      Command7(add<Button>("Command7", "Diplomacie")),
      Label12(add<Label>("Label12", "Seznamy")),
      Command8(add<Button>("Command8", "Seznam Jednotek")),
      Command9(add<Button>("Command9", "Seznam Budov")),
      Command11(add<Button>("Command11", "Seznam Ras")),
      Command12(add<Button>("Command12", "Generál")),
      Command1(add<Button>("Command1", "Nový tah")),
      Shape1(add<Shape>("Shape1")),
      Shape2(add<Shape>("Shape2")),
      Shape3(add<Shape>("Shape3")),
      Shape4(add<Shape>("Shape4")),
      Shape5(add<Shape>("Shape5")),
      Shape6(add<Shape>("Shape6")),
      Timer1(addTimer("Timer1", 1000, true)),
      player_(player) {
    setCaption(std::string(kAppTitle) + " – hráč " + std::to_string(player));
    Label10.hide();
    lblMirDoKola.hide();
    lblNew.hide();
    Command3.disable();
    cmdspionaz.disable();

    lblNazevZeme.onClick = [this] { this->game().mainMenu().show(); };
    Command2.onClick = [this] { this->game().units(player_).show(); };
    Command4.onClick = [this] { this->game().mines(player_).show(); };
    Command5.onClick = [this] { this->game().territory(player_).show(); };
    Command6.onClick = [this] { this->game().buildings(player_).show(); };
    Command3.onClick = [this] {
        if (Attack(this->game(), player_)) Command3.disable();
    };
    Command10.onClick = [this] { this->game().upgrades(player_).show(); };
    Command1.onClick = [this] { Command1_Click(); };
    Timer1.onTimer = [this] { Timer1_Timer(); };
}

// Only player 1's panel greets: both players get the welcome message, which
// also brings player 2's panel into existence.
void PlayerPanel::Form_Load() {
    if (player_ != 1) return;
    PostSystemMessage(game(), "Vítejte ve hře Zarvokan", "p1");
    PostSystemMessage(game(), "Vítejte ve hře Zarvokan", "p2");
}

void PlayerPanel::Timer1_Timer() {
    Game& g = game();
    PlayerState& me = g.player(player_);
    const std::string who = " hráče " + std::to_string(player_);

    g.buildings(player_).lblPenez.setText(text(me.Money));
    if (lbllet.text() == "1" && !lblMirDoKola.visible()) Command3.enable();
    lblmist.setText(text(me.HousingTotal));
    // The unit screen writes only 16-bit totals into lblcj; should one ever
    // not read, the last good reading stays.
    if (auto total = tryInteger(g.units(player_).lblcj.text())) housingUnits_ = *total;
    notice_.run(g, "Ubytovacích míst volných" + who,
                [&] { lblmistvolnych.setText(text(sub16(me.HousingTotal, housingUnits_))); });
    if (!g.buildings(player_).Command4.enabled()) cmdspionaz.enable();
    g.mines(player_).Label2.setText(lblDolu.text());
    lblNazevZeme.setText(me.CountryName);

    // The defeat tests read what the previous tick displayed.
    const auto shownLand = parseNumber(lbluzemi.text());
    if (shownLand && *shownLand < 100) DeclareWinner(g, me.other());
    const auto shownMoney = parseNumber(lblpenez.text());
    if (shownMoney && *shownMoney < -10) DeclareWinner(g, me.other());

    lblDolu.setText(text(me.Mines));
    if (auto total = tryInteger(g.units(player_).lblcj.text())) incomeUnits_ = *total;
    lblpenez.setText(text(me.Money));
    lbluzemi.setText(text(me.Territory));
    lblVynos.setText(text(me.MonthlyIncome));
    notice_.run(g, "Výnos za měsíc" + who, [&] {
        const int16 wages = mul16(incomeUnits_, me.WagePerUnit);
        const int16 yield = mul16(me.MineYield, me.Mines);
        me.MonthlyIncome = sub16(yield, wages);
    });
}

// "Nový tah": the income is paid, the year advances, a peace whose year has
// come ends, and the other player takes the screen.
void PlayerPanel::Command1_Click() {
    Game& g = game();
    PlayerState& me = g.player(player_);
    const auto money = tryFit16(static_cast<long long>(me.Money) + me.MonthlyIncome);
    if (!money) {
        ShowMsg(g,
                "Peníze s výnosem za měsíc by přesáhly rozsah -32768 až 32767, tah nelze "
                "ukončit.");
        return;
    }
    const std::string year = text(number(lbllet.text()) + 1);
    me.Money = *money;
    lbllet.setText(year);
    if (lblMirDoKola.text() == lbllet.text()) Command3.enable();
    if (lblMirDoKola.text() == lbllet.text()) lblMirDoKola.hide();
    if (lblMirDoKola.text() == lbllet.text()) Label10.hide();

    hide();
    MsgBox(g, player_ == 1 ? "Hraje hráč 2" : "Hraje hráč 1");
    g.panel(me.other()).show();
    if (!lblMirDoKola.visible()) Command3.enable();
}

}  // namespace game
