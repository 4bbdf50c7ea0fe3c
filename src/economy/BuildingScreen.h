// A player's building purchase screen (p1Budovy, p2Budovy). Buildings 1 to 3
// unlock unit types, building 4 espionage; each can be bought once. Building
// 5 adds housing and can be bought again and again. Its labels hold the
// player's buildings; the panel's tick writes its money label.
#pragma once

#include <array>

#include "app/AppForms.h"

namespace game {

class BuildingScreen : public GameForm {
  public:
    BuildingScreen(Game& game, int player);
    int player() const { return player_; }

    forms::Label& nt(int slot) const { return *nt_.at(index(slot)); }
    forms::Label& cd(int slot) const { return *cd_.at(index(slot)); }
    forms::Label& p(int slot) const { return *p_.at(index(slot)); }
    forms::Label& c(int slot) const { return *c_.at(index(slot)); }
    forms::Label& u(int slot) const { return *u_.at(index(slot)); }
    forms::Button& buy(int slot) const { return *buy_.at(index(slot)); }  // Command1..5

    forms::Label& Label3;
    forms::Label& Label1;
    forms::Label& Label2;
    forms::Label& Label10;
    forms::Label& Label5;
    forms::Label& Label4;
    forms::Label& lblPenez;
    forms::Button& Command4;  // the espionage building's button, read by the panel
    forms::Button& Command6;
    forms::Shape& Shape1;

  private:
    static std::size_t index(int slot) { return static_cast<std::size_t>(slot - 1); }
    void buyBuilding(int slot);

    int player_;
    std::array<forms::Label*, 5> nt_{};
    std::array<forms::Label*, 5> cd_{};
    std::array<forms::Label*, 5> p_{};
    std::array<forms::Label*, 5> c_{};
    std::array<forms::Label*, 5> u_{};
    std::array<forms::Button*, 5> buy_{};
};

}  // namespace game
