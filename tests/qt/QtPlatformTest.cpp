// What the Qt platform does to the game's windows: the message window kept
// above the others, and the end of the program.
#include <gtest/gtest.h>
#include <QApplication>
#include <QTimer>

#include "Session.h"
#include "model/Modul1.h"
#include "qt/QtPlatform.h"

namespace {

TEST(QtPlatform, TheMessageWindowStaysOnTopAndOnTheScreen) {
    qttest::Session s;
    front::QtPlatform platform("");
    game::ShowMsg(s.game, "Zkouška");
    forms::Form& message = s.game.form("frmMsg");
    QWidget* window = s.binder->window(message);
    ASSERT_TRUE(window->isVisible());
    for (int twice = 0; twice < 2; ++twice) {
        platform.makeTopmost(message);
        EXPECT_TRUE(window->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        EXPECT_TRUE(window->isVisible());
    }
}

// The end leaves the application's event loop for good, so it is watched in
// a process of its own.
TEST(QtPlatformDeathTest, TheEndOfTheProgramClosesEveryWindowAndLeavesTheEventLoop) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    auto run = [] {
        qttest::Session s;
        front::QtPlatform platform("");
        QWidget* splash = s.binder->window(s.game.form("frmSplash"));
        if (!splash->isVisible()) std::exit(3);
        QTimer::singleShot(0, [&] { platform.exitProgram(); });
        // Should the loop not end, the run fails rather than hangs.
        QTimer::singleShot(5000, [] { QCoreApplication::exit(2); });
        const int status = QCoreApplication::exec();
        std::exit(status != 0 ? status : splash->isVisible() ? 4 : 0);
    };
    EXPECT_EXIT(run(), ::testing::ExitedWithCode(0), "");
}

}  // namespace
