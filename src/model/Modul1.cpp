#include "model/Modul1.h"

#include "app/AppForms.h"
#include "app/Game.h"
#include "combat/BattleScreen.h"
#include "economy/BuildingScreen.h"
#include "economy/PlayerPanel.h"
#include "economy/UnitScreen.h"
#include "model/NewGame.h"
#include "model/RaceCatalog.h"

namespace game {

void ShowMsg(Game& game, std::string_view text) {
    game.platform().beep();
    MessageForm& window = game.messageWindow();
    window.show();
    window.lblText.setText(std::string(text));
    window.setVisible(true);
    window.show();
    MakeTopmost(game, window.name());
}

void MsgBox(Game& game, std::string_view text) {
    MsgBox(game, text, kAppTitle);
}

void MsgBox(Game& game, std::string_view text, std::string_view title) {
    game.platform().messageBox(std::string(text), std::string(title));
}

void MakeTopmost(Game& game, std::string_view formName) {
    if (forms::Form* form = game.existing(formName)) game.platform().makeTopmost(*form);
}

void PostSystemMessage(Game& game, std::string_view text, std::string_view playerKey) {
    PlayerState* player = game.state().byKey(playerKey);
    if (!player) return;
    player->SystemMessage = std::string(text);
    player->setNewMessage(true);
}

namespace {

// A race's units, buildings and parameters into a player's record and
// screens.
void applyRace(Game& game, int p) {
    PlayerState& player = game.player(p);
    const RaceEntry* race = RaceCatalog::find(player.Race);
    if (!race) return;
    UnitScreen& units = game.units(p);
    BuildingScreen& buildings = game.buildings(p);
    for (int slot = 1; slot <= 5; ++slot)
        units.pct(slot).setPicture(game.platform().loadPicture(race->unit(slot).icon));
    for (int slot = 1; slot <= 5; ++slot) {
        units.nt(slot).setText(race->unit(slot).name);
        units.vs(slot).setText(text(race->unit(slot).strength));
        units.c(slot).setText(text(race->unit(slot).price));
    }
    for (int slot = 1; slot <= 5; ++slot) {
        buildings.nt(slot).setText(race->building(slot).name);
        buildings.cd(slot).setText(race->buildingDescription(slot, p));
        buildings.c(slot).setText(text(race->building(slot).price));
        buildings.u(slot).setText(text(race->building(slot).territory));
    }
    const RaceParameters& r = race->parameters;
    player.WagePerUnit = fit16(r.WagePerUnit);
    player.Territory = fit16(r.Territory);
    player.MinePrice = fit16(r.MinePrice);
    player.MineYield = fit16(r.MineYield);
    player.Mines = fit16(r.Mines);
    player.Money = fit16(r.Money);
    player.TerritoryPrice = fit16(r.TerritoryPrice);
    player.HousingTotal = fit16(r.HousingTotal);
    player.HousingPerBuilding = fit16(r.HousingPerBuilding);
    player.SpyCost = r.SpyCost;
}

}  // namespace

void SetupNewGame(Game& game) {
    game.panel(1).show();
    ShowMsg(game, "Ve hře menu zobrazíte kliknutím na název země");
    applyRace(game, 1);
    applyRace(game, 2);
}

void DeclareWinner(Game& game, int winner) {
    WinnerForm& w = game.winner();
    w.show();
    game.panel(1).hide();
    game.panel(2).hide();
    const PlayerState& p1 = game.player(1);
    const PlayerState& p2 = game.player(2);
    w.lblWinner.setText(game.player(winner).CountryName + " je vítězná země!!!");
    w.lblP1.setText(p1.CountryName);
    w.lblP2.setText(p2.CountryName);
    w.lblPenez1.setText(text(p1.Money));
    w.lblPenez2.setText(text(p2.Money));
    w.lblUzemi1.setText(text(p1.Territory));
    w.lblUzemi2.setText(text(p2.Territory));
    w.lblVS1.setText(game.units(1).lblVS.text());
    w.lblVS2.setText(game.units(2).lblVS.text());
    w.lblVynos1.setText(text(p1.MonthlyIncome));
    w.lblVynos2.setText(text(p2.MonthlyIncome));
    w.lblDolu1.setText(game.panel(1).lblDolu.text());
    w.lblDolu2.setText(game.panel(2).lblDolu.text());
}

void EndBattle(Game& game) {
    BattleScreen& battle = game.battle();
    for (int p = 1; p <= 2; ++p)
        for (int slot = 1; slot <= 5; ++slot)
            game.player(p).setUnitsOwned(slot, BattleScreen::countOf(battle.stack(p, slot)));
    battle.Timer1.disable();
    battle.Timer2.disable();
    battle.hide();
}

}  // namespace game
