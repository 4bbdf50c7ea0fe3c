// The battle screen (Form1), shared by both players. Each army stands as five
// stacks, one per unit type: Image1..Image5 for player 1, Image6..Image10 for
// player 2. A stack keeps its total strength as the decimal text of its tag
// and its unit count as the decimal text of its tooltip; a hidden stack is
// out of the battle. The side on turn drags one of its stacks onto an enemy
// stack, and the stronger stack survives with the difference.
#pragma once

#include <array>
#include <string>

#include "app/AppForms.h"
#include "model/Numbers.h"
#include "model/RangeNotice.h"

namespace game {

// A player presses "Zaútočit": opens the battle with him on turn. False, with
// the message, when he has no army.
bool Attack(Game& game, int player);

class BattleScreen : public GameForm {
  public:
    explicit BattleScreen(Game& game);

    forms::Label& Label5;
    forms::Label& lblnatahu;
    forms::Label& lblP1;
    forms::Label& lblP2;
    forms::Label& Label1;
    forms::Label& lblVS;
    forms::Label& Label2;
    forms::Label& lblP;
    forms::Timer& Timer3;  // the one-shot setup, 1 ms after an attack
    forms::Timer& Timer1;  // the turn tick
    forms::Timer& Timer2;  // the end check

    // Stack `n` of 1..10.
    forms::Image& stack(int n) const { return *stacks_.at(static_cast<std::size_t>(n - 1)); }
    // The stack of a player's unit type.
    forms::Image& stack(int player, int slot) const { return stack((player - 1) * 5 + slot); }

    // The battle state.
    std::string PendingTurn;    // "p1", "p2" or empty
    std::string BonusMoveUsed;  // empty, or "1" once an Alieni type-5 stack attacked
    std::array<int16, 2> StartStrength{};

    static std::string strengthOf(const forms::Image& stack) { return stack.tag(); }
    static std::string countOf(const forms::Image& stack) { return stack.tooltip(); }

  private:
    friend bool Attack(Game& game, int player);
    void Form_Load() override;
    void setUp();
    void Timer3_Timer();
    void Timer1_Timer();
    void Timer2_Timer();
    void hover(const forms::Image& stack);
    void dragDrop(forms::Image& target, forms::Control& source);
    void win(int winner);
    int sideOf(const forms::Control& control) const;  // 1, 2, or 0 for no stack
    bool sideAlive(int side) const;

    std::array<forms::Image*, 10> stacks_{};
    RangeNotice notice_;
};

}  // namespace game
