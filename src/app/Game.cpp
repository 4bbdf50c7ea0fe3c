#include "app/Game.h"

#include <algorithm>
#include <stdexcept>

#include "app/AppForms.h"
#include "combat/BattleScreen.h"
#include "economy/BuildingScreen.h"
#include "economy/LandScreens.h"
#include "economy/PlayerPanel.h"
#include "economy/UnitScreen.h"
#include "economy/UpgradeScreen.h"
#include "model/NewGame.h"

namespace game {

std::string playerKey(int player) {
    return "p" + std::to_string(player);
}

std::string playerForm(int player, std::string_view suffix) {
    return playerKey(player) + std::string(suffix);
}

namespace {

using Factory = std::unique_ptr<forms::Form> (*)(Game&);

template <class T>
std::unique_ptr<forms::Form> make(Game& game) {
    return std::make_unique<T>(game);
}

template <class T, int Player>
std::unique_ptr<forms::Form> makeFor(Game& game) {
    return std::make_unique<T>(game, Player);
}

struct FormKind {
    const char* name;
    Factory factory;
};

// Every window of the game.
const FormKind kForms[] = {
    {"frmSplash", make<SplashForm>},
    {"frmMain", make<MainMenuForm>},
    {"frmUvod", make<IntroForm>},
    {"frmMsg", make<MessageForm>},
    {"frmNewGame", make<NewGameForm>},
    {"frmWiner", make<WinnerForm>},
    {"p1", makeFor<PlayerPanel, 1>},
    {"p2", makeFor<PlayerPanel, 2>},
    {"p1Units", makeFor<UnitScreen, 1>},
    {"p2Units", makeFor<UnitScreen, 2>},
    {"p1Budovy", makeFor<BuildingScreen, 1>},
    {"p2Budovy", makeFor<BuildingScreen, 2>},
    {"p1Doly", makeFor<MineScreen, 1>},
    {"p2Doly", makeFor<MineScreen, 2>},
    {"p1Uzemi", makeFor<TerritoryScreen, 1>},
    {"p2Uzemi", makeFor<TerritoryScreen, 2>},
    {"p1Special", makeFor<UpgradeScreen, 1>},
    {"p2Special", makeFor<UpgradeScreen, 2>},
    {"Form1", make<BattleScreen>},
};

const FormKind* kindOf(std::string_view name) {
    for (const FormKind& kind : kForms)
        if (name == kind.name) return &kind;
    return nullptr;
}

}  // namespace

Game::Game(forms::Platform& platform, forms::Scheduler& scheduler)
    : platform_(platform), scheduler_(scheduler), state_(*this) {}

Game::~Game() {
    // Forms go before the scheduler their timers are attached to.
    forms_.clear();
}

const std::vector<std::string>& Game::formNames() {
    static const std::vector<std::string> names = [] {
        std::vector<std::string> all;
        for (const FormKind& kind : kForms)
            all.emplace_back(kind.name);
        return all;
    }();
    return names;
}

bool Game::isFormName(std::string_view name) {
    return kindOf(name) != nullptr;
}

forms::Form& Game::construct(std::string_view name) {
    if (auto it = forms_.find(name); it != forms_.end()) return *it->second;
    const FormKind* kind = kindOf(name);
    if (!kind) throw std::out_of_range("no window named " + std::string(name));
    auto form = kind->factory(*this);
    forms::Form& ref = *form;
    forms_.emplace(std::string(name), std::move(form));
    return ref;
}

forms::Form& Game::form(std::string_view name) {
    forms::Form& f = construct(name);
    if (!f.loaded() && inspecting_ == 0) {
        if (onFormCreated_) onFormCreated_(f);
        f.load(scheduler_);
    }
    return f;
}

forms::Form* Game::existing(std::string_view name) const {
    auto it = forms_.find(name);
    return it != forms_.end() && it->second->loaded() ? it->second.get() : nullptr;
}

forms::Form* Game::inspect(std::string_view name) {
    if (!isFormName(name)) return nullptr;
    return &construct(name);
}

void Game::start() {
    splash().show();
}

void Game::exit() {
    if (ended_) return;
    ended_ = true;
    scheduler_.halt();
    platform_.exitProgram();
}

SplashForm& Game::splash() {
    return get<SplashForm>("frmSplash");
}
MainMenuForm& Game::mainMenu() {
    return get<MainMenuForm>("frmMain");
}
IntroForm& Game::intro() {
    return get<IntroForm>("frmUvod");
}
MessageForm& Game::messageWindow() {
    return get<MessageForm>("frmMsg");
}
NewGameForm& Game::newGame() {
    return get<NewGameForm>("frmNewGame");
}
WinnerForm& Game::winner() {
    return get<WinnerForm>("frmWiner");
}
PlayerPanel& Game::panel(int player) {
    return get<PlayerPanel>(playerKey(player));
}
UnitScreen& Game::units(int player) {
    return get<UnitScreen>(playerForm(player, "Units"));
}
BuildingScreen& Game::buildings(int player) {
    return get<BuildingScreen>(playerForm(player, "Budovy"));
}
MineScreen& Game::mines(int player) {
    return get<MineScreen>(playerForm(player, "Doly"));
}
TerritoryScreen& Game::territory(int player) {
    return get<TerritoryScreen>(playerForm(player, "Uzemi"));
}
UpgradeScreen& Game::upgrades(int player) {
    return get<UpgradeScreen>(playerForm(player, "Special"));
}
BattleScreen& Game::battle() {
    return get<BattleScreen>("Form1");
}

}  // namespace game
