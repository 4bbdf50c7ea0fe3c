// A game on the virtual clock with the recording platform, started the way
// the players start one: through the main menu and the new-game dialog.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "app/AppForms.h"
#include "app/Game.h"
#include "economy/PlayerPanel.h"
#include "forms/Scheduler.h"
#include "model/NewGame.h"
#include "script/RecordingPlatform.h"

struct TestGame {
    forms::Scheduler clock;
    script::RecordingPlatform platform{clock, std::filesystem::path(ZARVOKAN_TEST_PROGRAM_DIR), ""};
    game::Game game{platform, clock};

    // The program started and its menu up.
    void startProgram() {
        game.start();
        clock.advance(3000);
    }

    // Both countries named, races chosen by list position, "Začít hru";
    // the program is started first unless it runs already.
    void newGame(int race1, int race2) {
        if (!game.existing("frmSplash")) startProgram();
        game.mainMenu().Command1.click();
        game::NewGameForm& dialog = game.newGame();
        dialog.txtName1.type("Čechy");
        dialog.txtName2.type("Morava");
        dialog.List1.choose(race1);
        dialog.List2.choose(race2);
        dialog.Command1.click();
    }
};

class GameFixture : public ::testing::Test {
  protected:
    TestGame test;
    forms::Scheduler& clock = test.clock;
    script::RecordingPlatform& platform = test.platform;
    game::Game& game = test.game;
    void newGame(int race1, int race2) { test.newGame(race1, race2); }
};
