// The mine screen (p1Doly, p2Doly) sells one mine at a time for the race's
// price; the next mine takes (mines owned + 1) × 4 m². The territory screen
// (p1Uzemi, p2Uzemi) sells land by the square metre. Both refresh every 500 ms
// and buy with what their last refresh showed.
#pragma once

#include <string>

#include "app/AppForms.h"
#include "model/Numbers.h"
#include "model/RangeNotice.h"

namespace game {

class MineScreen : public GameForm {
  public:
    MineScreen(Game& game, int player);

    forms::Label& Label1;
    forms::Label& Label2;  // mines owned, copied from the panel each second
    forms::Label& Label4;
    forms::Label& lblBudeStat;
    forms::Label& Label6;
    forms::Label& lblZaberePudy;
    forms::Label& Label3;
    forms::Button& Command1;
    forms::Button& Command2;
    forms::Timer& Timer1;

  private:
    void Timer1_Timer();
    void Command1_Click();

    int player_;
    int16 mineLand_ = 0;  // m² the next mine takes, as the last refresh showed
    RangeNotice notice_;
};

class TerritoryScreen : public GameForm {
  public:
    TerritoryScreen(Game& game, int player);

    forms::Label& Label1;
    forms::Label& Label2;
    forms::Label& Label6;
    forms::TextBox& Text1;
    forms::Label& Label4;
    forms::Label& lblBudeStat;
    forms::Button& Command1;
    forms::Button& Command2;
    forms::Timer& Timer1;

  private:
    void Timer1_Timer();
    void Command1_Click();

    int player_;
    std::string amount_;  // the m² typed, as the last refresh took it
    double price_ = 0;    // their price, unrounded
};

}  // namespace game
