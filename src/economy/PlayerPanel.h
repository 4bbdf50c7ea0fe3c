// A player's control panel (p1, p2): his country, money, land, mines,
// housing, income, year counter and peace, and the buttons to every other
// window of his. Its tick, once a second, whether shown or hidden, copies his
// values into the labels, unlocks the attack and espionage buttons, tests the
// defeat conditions and recomputes the income.
#pragma once

#include "app/AppForms.h"
#include "model/Numbers.h"
#include "model/RangeNotice.h"

namespace game {

class PlayerPanel : public GameForm {
  public:
    PlayerPanel(Game& game, int player);
    int player() const { return player_; }

    forms::Label& lblNazevZeme;
    forms::Label& Label1;
    forms::Label& lblpenez;
    forms::Label& Label2;
    forms::Label& lbluzemi;
    forms::Label& Label6;
    forms::Label& lblDolu;
    forms::Label& Label4;
    forms::Label& lblmist;
    forms::Label& Label9;
    forms::Label& lblmistvolnych;
    forms::Label& Label7;
    forms::Label& lblVynos;
    forms::Label& Label5;
    forms::Label& lbllet;
    forms::Label& Label10;
    forms::Label& lblMirDoKola;
    forms::Label& lblNew;
    forms::Label& Label8;  // "Ekonomika"
    forms::Button& Command2;
    forms::Button& Command4;
    forms::Button& Command5;
    forms::Button& Command6;
    forms::Label& Label3;  // "Bojové"
    forms::Button& Command3;
    forms::Button& Command10;
    forms::Label& Label11;  // "Politika"
    forms::Button& cmdspionaz;
    forms::Button& Command7;
    forms::Label& Label12;  // "Seznamy"
    forms::Button& Command8;
    forms::Button& Command9;
    forms::Button& Command11;
    forms::Button& Command12;
    forms::Button& Command1;  // "Nový tah"
    forms::Shape& Shape1;
    forms::Shape& Shape2;
    forms::Shape& Shape3;
    forms::Shape& Shape4;
    forms::Shape& Shape5;
    forms::Shape& Shape6;
    forms::Timer& Timer1;

  private:
    void Form_Load() override;
    void Timer1_Timer();
    void Command1_Click();
    void Command3_Click();

    int player_;
    // The unit total as read from the unit screen, once for the free housing
    // and once for the income.
    int16 housingUnits_ = 0;
    int16 incomeUnits_ = 0;
    RangeNotice notice_;
};

}  // namespace game
