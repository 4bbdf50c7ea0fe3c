// A player's unit upgrade screen (p1Special, p2Special): doubles the
// strength of one unit type, once per type, for four times its price.
// Upgrading type 1 also doubles the wage of every unit.
#pragma once

#include <array>

#include "app/AppForms.h"

namespace game {

class UpgradeScreen : public GameForm {
  public:
    UpgradeScreen(Game& game, int player);

    forms::Frame& Frame1;
    forms::Label& Label1;
    forms::Button& Command1;  // "OK"
    forms::Timer& Timer1;
    // The upgrade button of unit type 1..5 (Command2..Command6).
    forms::Button& upgrade(int slot) const { return *upgrade_.at(index(slot)); }
    forms::Label& c(int slot) const { return *c_.at(index(slot)); }

  private:
    static std::size_t index(int slot) { return static_cast<std::size_t>(slot - 1); }
    void Form_Load() override;
    void Timer1_Timer();
    void upgradeUnit(int slot);

    int player_;
    std::array<forms::Button*, 5> upgrade_{};
    std::array<forms::Label*, 5> c_{};
};

}  // namespace game
