// The new-game dialog, in which both players name their countries and choose
// their races, and the winner window that ends the game.
#pragma once

#include "app/AppForms.h"

namespace game {

class NewGameForm : public GameForm {
  public:
    explicit NewGameForm(Game& game);

    forms::Label& Label1;
    forms::TextBox& txtName1;
    forms::Label& Label2;
    forms::TextBox& txtName2;
    forms::Label& Label3;
    forms::ListBox& List1;
    forms::Label& Label4;
    forms::ListBox& List2;
    forms::Button& Command1;

    // The command-line switch that offers the hidden race.
    static constexpr const char* kExtraSwitch = "-zubri73";

  private:
    void Form_Load() override;
    void chooseRace(forms::ListBox& list, int player);
    void Command1_Click();
};

class WinnerForm : public GameForm {
  public:
    explicit WinnerForm(Game& game);

    forms::Label& lblWinner;
    forms::Label& lblP1;
    forms::Label& lblP2;
    forms::Label& Label4;
    forms::Label& lblPenez1;
    forms::Label& lblPenez2;
    forms::Label& Label7;
    forms::Label& lblUzemi1;
    forms::Label& lblUzemi2;
    forms::Label& Label10;
    forms::Label& lblVS1;
    forms::Label& lblVS2;
    forms::Label& Label13;
    forms::Label& lblVynos1;
    forms::Label& lblVynos2;
    forms::Label& Label16;
    forms::Label& lblDolu1;
    forms::Label& lblDolu2;
    forms::Button& Command1;
};

}  // namespace game
