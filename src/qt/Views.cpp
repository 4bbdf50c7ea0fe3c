#include "qt/Views.h"

#include <stdexcept>
#include <typeindex>

#include "app/AppForms.h"
#include "combat/BattleScreen.h"
#include "economy/BuildingScreen.h"
#include "economy/LandScreens.h"
#include "economy/PlayerPanel.h"
#include "economy/UnitScreen.h"
#include "economy/UpgradeScreen.h"
#include "model/NewGame.h"
#include "qt/Look.h"
#include "ui_BattleScreen.h"
#include "ui_BuildingScreen.h"
#include "ui_Intro.h"
#include "ui_MainMenu.h"
#include "ui_Message.h"
#include "ui_MineScreen.h"
#include "ui_NewGame.h"
#include "ui_PlayerPanel.h"
#include "ui_Splash.h"
#include "ui_TerritoryScreen.h"
#include "ui_UnitScreen.h"
#include "ui_UpgradeScreen.h"
#include "ui_Winner.h"

namespace front {

namespace {

template <class Ui>
std::unique_ptr<QWidget> build() {
    auto view = std::make_unique<QWidget>();
    Ui ui;
    ui.setupUi(view.get());
    return view;
}

struct ViewKind {
    std::type_index form;
    std::unique_ptr<QWidget> (*make)();
};

// The window classes of the game and their views.
const ViewKind kViews[] = {
    {typeid(game::SplashForm), build<Ui::SplashView>},
    {typeid(game::MainMenuForm), build<Ui::MainMenuView>},
    {typeid(game::IntroForm), build<Ui::IntroView>},
    {typeid(game::MessageForm), build<Ui::MessageView>},
    {typeid(game::NewGameForm), build<Ui::NewGameView>},
    {typeid(game::WinnerForm), build<Ui::WinnerView>},
    {typeid(game::PlayerPanel), build<Ui::PlayerPanelView>},
    {typeid(game::UnitScreen), build<Ui::UnitScreenView>},
    {typeid(game::BuildingScreen), build<Ui::BuildingScreenView>},
    {typeid(game::MineScreen), build<Ui::MineScreenView>},
    {typeid(game::TerritoryScreen), build<Ui::TerritoryScreenView>},
    {typeid(game::UpgradeScreen), build<Ui::UpgradeScreenView>},
    {typeid(game::BattleScreen), build<Ui::BattleScreenView>},
};

}  // namespace

std::unique_ptr<QWidget> makeView(const forms::Form& form) {
    loadResources();
    const std::type_index type(typeid(form));
    for (const ViewKind& kind : kViews)
        if (kind.form == type) return kind.make();
    throw std::logic_error("no view for the window " + form.name());
}

}  // namespace front
