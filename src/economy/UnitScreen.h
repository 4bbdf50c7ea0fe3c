// A player's unit purchase screen (p1Units, p2Units). Its labels hold the
// player's units for the rest of the game: names, strengths, counts and
// prices of the five types. Its refresh, every 500 ms, recomputes the totals
// the panel, the battle and the end of the game read.
#pragma once

#include <array>

#include "app/AppForms.h"
#include "model/Numbers.h"
#include "model/RangeNotice.h"

namespace game {

class UnitScreen : public GameForm {
  public:
    UnitScreen(Game& game, int player);
    int player() const { return player_; }

    // Row controls by slot 1..5.
    forms::Image& pct(int slot) const { return *pct_.at(index(slot)); }
    forms::Label& nt(int slot) const { return *nt_.at(index(slot)); }
    forms::Label& vs(int slot) const { return *vs_.at(index(slot)); }
    forms::Label& p(int slot) const { return *p_.at(index(slot)); }
    forms::Label& c(int slot) const { return *c_.at(index(slot)); }
    forms::TextBox& Text(int slot) const { return *text_.at(index(slot)); }
    forms::Button& buy(int slot) const { return *buy_.at(index(slot)); }  // Command1..5

    forms::Label& Label3;
    forms::Label& Label1;
    forms::Label& Label2;
    forms::Label& Label10;
    forms::Label& Label4;
    forms::Label& lblVS;
    forms::Label& Label5;
    forms::Label& lblcj;
    forms::Label& Label6;
    forms::Label& lblcp;
    forms::Label& Label8;
    forms::Label& Label7;
    forms::Button& Command6;
    forms::Shape& Shape1;
    forms::Timer& Timer1;

  private:
    static std::size_t index(int slot) { return static_cast<std::size_t>(slot - 1); }
    void buyUnits(int slot);
    void Timer1_Timer();

    int player_;
    std::array<forms::Image*, 5> pct_{};
    std::array<forms::Label*, 5> nt_{};
    std::array<forms::Label*, 5> vs_{};
    std::array<forms::Label*, 5> p_{};
    std::array<forms::Label*, 5> c_{};
    std::array<forms::TextBox*, 5> text_{};
    std::array<forms::Button*, 5> buy_{};

    // What the last refresh read: strengths and counts of the five types, and
    // the unit total at its start (the housing check) and at its end (wages).
    std::array<int16, 5> strength_{};
    std::array<int16, 5> count_{};
    int16 totalAtStart_ = 0;
    int16 totalAtEnd_ = 0;
    RangeNotice notice_;
};

}  // namespace game
