// The frame around the game: the splash window, the main menu, the
// introduction to the tutorial and the message window.
#pragma once

#include "forms/Form.h"

namespace game {

class Game;

// Base of every window of the game: the form and the game it belongs to.
class GameForm : public forms::Form {
  public:
    GameForm(Game& game, std::string name) : forms::Form(std::move(name)), game_(game) {}

    // An error no handler caught is shown as "Chyba"; the game goes on.
    void unhandled(const std::exception& error) override;

  protected:
    Game& game() const { return game_; }

  private:
    Game& game_;
};

class SplashForm : public GameForm {
  public:
    explicit SplashForm(Game& game);
    forms::Timer& Timer1;

  private:
    void Timer1_Timer();
};

class MainMenuForm : public GameForm {
  public:
    explicit MainMenuForm(Game& game);

    forms::Button& Command1;   // "New Game" / "Resume"; its tag holds the menu mode
    forms::Button& Command8;   // "Tutorial"
    forms::CheckBox& Option1;  // "Pauza"
    forms::Button& Command2;
    forms::Button& Command3;
    forms::Button& Command4;
    forms::Button& Command5;
    forms::Button& Command6;

    // Back to the fresh menu, as the end of the tutorial does.
    void resetToNewGame();

  private:
    void Form_Load() override;
    void Command1_Click();
    void Command8_Click();
};

class IntroForm : public GameForm {
  public:
    explicit IntroForm(Game& game);
    forms::Label& Label1;
    forms::Label& Label2;
    forms::Button& Command1;

  private:
    void Command1_Click();
};

class MessageForm : public GameForm {
  public:
    explicit MessageForm(Game& game);
    forms::Label& lblText;
    forms::Button& Command1;
};

}  // namespace game
