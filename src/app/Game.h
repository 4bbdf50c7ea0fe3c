// One program run: the game state and every window, created on first use.
//
// A window comes into existence the first time the game touches it (shows it,
// reads or writes one of its controls): it is loaded, which starts its timers
// and runs its Form_Load, and it then lives, shown or hidden, until the
// program ends. Scenario checks and the screen may *inspect* a window without
// bringing it into existence: they then see its design-time state.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "forms/Form.h"
#include "forms/Platform.h"
#include "forms/Scheduler.h"
#include "model/GameState.h"

namespace game {

class SplashForm;
class MainMenuForm;
class IntroForm;
class MessageForm;
class NewGameForm;
class WinnerForm;
class PlayerPanel;
class UnitScreen;
class BuildingScreen;
class MineScreen;
class TerritoryScreen;
class UpgradeScreen;
class BattleScreen;

// The title of the standard message boxes and of the main window.
inline constexpr const char* kAppTitle = "Zarvokan";

class Game {
  public:
    Game(forms::Platform& platform, forms::Scheduler& scheduler);
    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;
    ~Game();

    forms::Platform& platform() const { return platform_; }
    forms::Scheduler& scheduler() const { return scheduler_; }
    GameState& state() { return state_; }
    PlayerState& player(int p) { return state_.player(p); }

    // The program starts: the splash window.
    void start();
    // The program ends at once: timers stop, the platform closes everything.
    void exit();
    bool ended() const { return ended_; }

    // Every window of the game by name, in a fixed order.
    static const std::vector<std::string>& formNames();
    static bool isFormName(std::string_view name);

    // The window, brought into existence if it does not exist yet. Throws
    // std::out_of_range for a name the game has no window of.
    forms::Form& form(std::string_view name);
    // The window if it exists, else nullptr.
    forms::Form* existing(std::string_view name) const;
    // The window as it stands, without bringing it into existence; nullptr
    // for an unknown name.
    forms::Form* inspect(std::string_view name);

    // While an Inspection lives, touching a window that does not exist yet
    // shows its design-time state instead of creating it.
    class Inspection {
      public:
        explicit Inspection(Game& game) : game_(game) { ++game_.inspecting_; }
        ~Inspection() { --game_.inspecting_; }
        Inspection(const Inspection&) = delete;
        Inspection& operator=(const Inspection&) = delete;

      private:
        Game& game_;
    };

    // Called for every window as it comes into existence, before its timers
    // start and its Form_Load runs.
    void setOnFormCreated(std::function<void(forms::Form&)> hook) {
        onFormCreated_ = std::move(hook);
    }

    SplashForm& splash();
    MainMenuForm& mainMenu();
    IntroForm& intro();
    MessageForm& messageWindow();
    NewGameForm& newGame();
    WinnerForm& winner();
    PlayerPanel& panel(int player);
    UnitScreen& units(int player);
    BuildingScreen& buildings(int player);
    MineScreen& mines(int player);
    TerritoryScreen& territory(int player);
    UpgradeScreen& upgrades(int player);
    BattleScreen& battle();

  private:
    template <class T>
    T& get(std::string_view name) {
        return dynamic_cast<T&>(form(name));
    }
    forms::Form& construct(std::string_view name);

    forms::Platform& platform_;
    forms::Scheduler& scheduler_;
    GameState state_;
    std::map<std::string, std::unique_ptr<forms::Form>, std::less<>> forms_;
    std::function<void(forms::Form&)> onFormCreated_;
    int inspecting_ = 0;
    bool ended_ = false;
};

// The key of a player, "p1" or "p2", and the name of his window of a kind.
std::string playerKey(int player);
std::string playerForm(int player, std::string_view suffix);

}  // namespace game
