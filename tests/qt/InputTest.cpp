// A person's clicks and keys on the widgets reach the controls once, and the
// widgets then show what the controls hold; controls that cannot be used take
// nothing.
#include <gtest/gtest.h>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QStyleOptionButton>

#include "Session.h"
#include "model/RaceCatalog.h"

namespace {

using qttest::clickAt;

void key(QWidget& w, int code, const QString& text = {}) {
    QKeyEvent press(QEvent::KeyPress, code, Qt::NoModifier, text);
    QCoreApplication::sendEvent(&w, &press);
    QKeyEvent release(QEvent::KeyRelease, code, Qt::NoModifier, text);
    QCoreApplication::sendEvent(&w, &release);
}

QPoint indicatorOf(QCheckBox& box) {
    QStyleOptionButton option;
    option.initFrom(&box);
    return box.style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, &box).center();
}

TEST(Input, ACheckBoxClickTogglesItsControlOnce) {
    qttest::Session s;
    s.wait(3000);
    auto& control = s.game.form("frmMain").checkBox("Option1");
    auto& box = static_cast<QCheckBox&>(s.widget("frmMain", "Option1"));
    int clicks = 0;
    control.onClick = [&] { ++clicks; };

    const struct {
        bool enabled;
        bool checked;  // afterwards, on the control and the widget
        int clicks;
    } steps[] = {{true, true, 1}, {true, false, 2}, {false, false, 2}};
    for (const auto& step : steps) {
        control.setEnabled(step.enabled);
        clickAt(box, indicatorOf(box));
        EXPECT_EQ(control.checked(), step.checked);
        EXPECT_EQ(box.isChecked(), step.checked);
        EXPECT_EQ(clicks, step.clicks);
    }
    control.setChecked(true);
    EXPECT_TRUE(box.isChecked());
    EXPECT_EQ(clicks, 2);
}

TEST(Input, AListChoosesByClickAndByKeysAndShowsOnlyWhatItsControlHolds) {
    qttest::Session s;
    s.wait(3000);
    s.control("frmMain", "Command1").click();
    auto& list = s.game.form("frmNewGame").listBox("List1");
    auto& view = static_cast<QListWidget&>(s.widget("frmNewGame", "List1"));
    QWidget& area = *view.viewport();
    auto itemCentre = [&](int row) { return view.visualItemRect(view.item(row)).center(); };

    clickAt(area, itemCentre(2));
    EXPECT_EQ(list.selected(), 2);
    EXPECT_EQ(s.game.player(1).Race, game::RaceCatalog::keyAt(2));

    key(view, Qt::Key_Down);
    EXPECT_EQ(list.selected(), 3);
    EXPECT_EQ(s.game.player(1).Race, game::RaceCatalog::keyAt(3));

    // Pressed on one item and let go on another: no click, nothing chosen.
    QTest::mousePress(qttest::handleOf(area), Qt::LeftButton, {},
                      qttest::inWindow(area, itemCentre(0)));
    QTest::mouseMove(qttest::handleOf(area), qttest::inWindow(area, itemCentre(1)));
    QTest::mouseRelease(qttest::handleOf(area), Qt::LeftButton, {},
                        qttest::inWindow(area, itemCentre(1)));
    s.settle();
    EXPECT_EQ(list.selected(), 3);
    EXPECT_EQ(view.currentRow(), 3);
    EXPECT_EQ(s.game.player(1).Race, game::RaceCatalog::keyAt(3));

    list.setSelected(1);
    EXPECT_EQ(view.currentRow(), 1);
    EXPECT_EQ(view.selectedItems().size(), 1);
}

TEST(Input, TypingChangesTheTextBoxAndTheGameWritesBack) {
    qttest::Session s;
    s.wait(3000);
    s.control("frmMain", "Command1").click();
    auto& box = s.game.form("frmNewGame").textBox("txtName1");
    auto& edit = static_cast<QLineEdit&>(s.widget("frmNewGame", "txtName1"));
    int changes = 0;
    box.onChange = [&] { ++changes; };

    key(edit, 'C', "Č");
    key(edit, 'R', "r");
    EXPECT_EQ(box.text(), "Čr");
    EXPECT_EQ(changes, 2);

    box.setText("Morava");
    EXPECT_EQ(edit.text(), "Morava");
    EXPECT_EQ(changes, 2);

    box.disable();
    key(edit, 'X', "x");
    EXPECT_EQ(box.text(), "Morava");
    EXPECT_EQ(edit.text(), "Morava");
}

TEST(Input, ALabelIsClickedByAPressAndReleaseOnIt) {
    const struct {
        const char* what;
        bool enabled;
        bool releasedOutside;
        bool menuShown;
    } cases[] = {
        {"a click", true, false, true},
        {"released outside", true, true, false},
        {"disabled", false, false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        qttest::Session s;
        s.newGame("animalite", "alieni");
        forms::Control& title = s.control("p1", "lblNazevZeme");
        QWidget& label = s.widget("p1", "lblNazevZeme");
        title.setEnabled(c.enabled);
        QWindow* window = qttest::handleOf(label);
        const QPoint on = qttest::centreOf(label);
        const QPoint off = qttest::inWindow(label, {label.width() / 2, label.height() + 40});
        QTest::mousePress(window, Qt::LeftButton, {}, on);
        QTest::mouseRelease(window, Qt::LeftButton, {}, c.releasedOutside ? off : on);
        forms::Form* menu = s.game.existing("frmMain");
        EXPECT_EQ(menu && menu->visible(), c.menuShown);
    }
}

}  // namespace
