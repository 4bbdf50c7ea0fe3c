#include "model/NewGame.h"

#include "app/Game.h"
#include "model/Modul1.h"
#include "model/RaceCatalog.h"

namespace game {

using forms::Button;
using forms::Label;
using forms::ListBox;
using forms::TextBox;

NewGameForm::NewGameForm(Game& game)
    : GameForm(game, "frmNewGame"),
      Label1(add<Label>("Label1", "Jméno země hráče1:")),
      txtName1(add<TextBox>("txtName1")),
      Label2(add<Label>("Label2", "Jméno země hráče2:")),
      txtName2(add<TextBox>("txtName2")),
      Label3(add<Label>("Label3", "Rasa hráče1:")),
      List1(add<ListBox>("List1")),
      Label4(add<Label>("Label4", "Rasa hráče2:")),
      List2(add<ListBox>("List2")),
      Command1(add<Button>("Command1", "Začít hru")) {
    setCaption("Nová hra");
    List1.onClick = [this] { chooseRace(List1, 1); };
    List2.onClick = [this] { chooseRace(List2, 2); };
    Command1.onClick = [this] { Command1_Click(); };
}

// The four ordinary races, and the hidden one when the program was started
// with nothing but the switch on its command line.
void NewGameForm::Form_Load() {
    const auto& races = RaceCatalog::entries();
    for (ListBox* list : {&List1, &List2})
        for (std::size_t i = 0; i < 4; ++i)
            list->addItem(races[i].displayName);
    if (game().platform().commandLine() == kExtraSwitch) {
        List1.addItem(races[4].displayName);
        List2.addItem(races[4].displayName);
    }
}

void NewGameForm::chooseRace(ListBox& list, int player) {
    if (list.selected() < 0) return;
    game().player(player).Race = RaceCatalog::keyAt(list.selected());
}

// "Začít hru": the first missing entry is named and nothing else happens.
void NewGameForm::Command1_Click() {
    if (txtName1.text().empty()) return ShowMsg(game(), "Nevyplnil jste text 1. země");
    if (txtName2.text().empty()) return ShowMsg(game(), "Nevyplnil jste jméno 2. země");
    if (game().player(1).Race.empty()) return ShowMsg(game(), "Není vybrána rasa");
    if (game().player(2).Race.empty()) return ShowMsg(game(), "Není vybrána rasa");
    game().player(1).CountryName = txtName1.text();
    game().player(2).CountryName = txtName2.text();
    SetupNewGame(game());
    hide();
}

WinnerForm::WinnerForm(Game& game)
    : GameForm(game, "frmWiner"),
      lblWinner(add<Label>("lblWinner", "?")),
      lblP1(add<Label>("lblP1", "Hráč 1")),
      lblP2(add<Label>("lblP2", "Hráč 2")),
      Label4(add<Label>("Label4", "Penez:")),
      lblPenez1(add<Label>("lblPenez1", "0")),
      lblPenez2(add<Label>("lblPenez2", "0")),
      Label7(add<Label>("Label7", "Uzemi:")),
      lblUzemi1(add<Label>("lblUzemi1", "0")),
      lblUzemi2(add<Label>("lblUzemi2", "0")),
      Label10(add<Label>("Label10", "Vojenska síla:")),
      lblVS1(add<Label>("lblVS1", "0")),
      lblVS2(add<Label>("lblVS2", "0")),
      Label13(add<Label>("Label13", "Výnos:")),
      lblVynos1(add<Label>("lblVynos1", "0")),
      lblVynos2(add<Label>("lblVynos2", "0")),
      Label16(add<Label>("Label16", "Dolů:")),
      lblDolu1(add<Label>("lblDolu1", "0")),
      lblDolu2(add<Label>("lblDolu2", "0")),
      Command1(add<Button>("Command1", "OK")) {
    setCaption("Konec hry");
    Command1.onClick = [this] { this->game().exit(); };
}

}  // namespace game
