// The procedures every window calls: the message window, system messages, the
// new-game setup, the end of the game and the end of a battle; and the
// standard message box.
#pragma once

#include <string>
#include <string_view>

namespace game {

class Game;

// Shows a text in the one message window, with a beep, above all windows.
// Never waits; a second call replaces the text (there is no queue).
void ShowMsg(Game& game, std::string_view text);

// A standard message box with an OK button; waits until it is closed, timers
// firing meanwhile. Without a title of its own it carries the game's title.
void MsgBox(Game& game, std::string_view text);
void MsgBox(Game& game, std::string_view text, std::string_view title);

// Leaves a system message for the player of key "p1" or "p2" and raises his
// "NOVÁ ZPRÁVA" flag; any other key does nothing.
void PostSystemMessage(Game& game, std::string_view text, std::string_view playerKey);

// Shows player 1's panel, then applies each player's race to his record and
// his unit and building screens.
void SetupNewGame(Game& game);

// Ends the game in favour of `winner` (1 or 2): the winner window with both
// players' figures, both panels hidden.
void DeclareWinner(Game& game, int winner);

// Writes the battle's surviving counts back and closes the battle screen.
void EndBattle(Game& game);

// Keeps a window above all others.
void MakeTopmost(Game& game, std::string_view formName);

}  // namespace game
