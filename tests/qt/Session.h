// A running game on the virtual clock, its windows bound to widgets as in the
// app, and the real mouse and key input the tests give it.
#pragma once

#include <QCoreApplication>
#include <QTest>
#include <QWidget>
#include <QWindow>
#include <filesystem>
#include <memory>
#include <string>

#include "app/Game.h"
#include "forms/Scheduler.h"
#include "qt/Binder.h"
#include "script/RecordingPlatform.h"

namespace qttest {

struct Session {
    // `bound`: with the windows on the screen; without, the headless game.
    explicit Session(std::filesystem::path programDir = {}, bool bound = true)
        : platform(clock, std::move(programDir), ""), game(platform, clock) {
        if (bound) binder = std::make_unique<front::Binder>(game);
        game.start();
        settle();
    }

    forms::Scheduler clock;
    script::RecordingPlatform platform;
    game::Game game;
    std::unique_ptr<front::Binder> binder;

    void settle() { QCoreApplication::processEvents(); }
    void wait(int ms) {
        clock.advance(ms);
        settle();
    }
    forms::Control& control(const std::string& form, const std::string& name) {
        return game.form(form).control(name);
    }
    QWidget& widget(const std::string& form, const std::string& name) {
        return *binder->widget(control(form, name));
    }

    // Through the controls themselves: the way to the screen under test.
    void newGame(const std::string& race1, const std::string& race2) {
        wait(3000);
        control("frmMain", "Command1").click();
        game.form("frmNewGame").textBox("txtName1").type("Čechy");
        game.form("frmNewGame").textBox("txtName2").type("Morava");
        game.form("frmNewGame").listBox("List1").choose(raceIndex(race1));
        game.form("frmNewGame").listBox("List2").choose(raceIndex(race2));
        control("frmNewGame", "Command1").click();
        settle();
    }
    // Both players end a turn, then player 1 attacks: his stacks are on turn.
    void battle() {
        control("p1", "Command1").click();
        control("p2", "Command1").click();
        wait(1000);
        control("p1", "Command3").click();
        wait(600);
    }

    static int raceIndex(const std::string& key);
};

// A point of `widget` in the coordinates of its window, and that window.
inline QPoint inWindow(QWidget& widget, QPoint local) {
    return widget.mapTo(widget.window(), local);
}
inline QPoint centreOf(QWidget& widget) {
    return inWindow(widget, widget.rect().center());
}
inline QWindow* handleOf(QWidget& widget) {
    return widget.window()->windowHandle();
}

inline void clickAt(QWidget& widget, QPoint local) {
    QTest::mouseClick(handleOf(widget), Qt::LeftButton, {}, inWindow(widget, local));
}

}  // namespace qttest
