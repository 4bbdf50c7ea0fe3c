// Every window of the game against its view: each control has a widget of
// its kind under its name showing its design-time state, and each named
// widget is a control's.
#include <gtest/gtest.h>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <functional>
#include <map>

#include "Session.h"

namespace {

using forms::Kind;

QString qs(const std::string& s) {
    return QString::fromStdString(s);
}

bool frameShaped(const QWidget& w, std::initializer_list<QFrame::Shape> shapes) {
    const auto* frame = qobject_cast<const QFrame*>(&w);
    for (QFrame::Shape shape : shapes)
        if (frame && frame->frameShape() == shape) return true;
    return false;
}

struct KindView {
    const char* widgetClass;
    // What the widget shows that must match the control, as text.
    std::function<QString(const QWidget&)> shown;
    std::function<QString(const forms::Control&)> expected;
    std::function<bool(const QWidget&)> shaped = [](const QWidget&) { return true; };
};

QString textOf(const forms::Control& c) {
    return qs(c.text());
}
QString nothing(const QWidget&) {
    return {};
}
QString nothingOf(const forms::Control&) {
    return {};
}

const std::map<Kind, KindView>& kinds() {
    static const std::map<Kind, KindView> table = {
        {Kind::Label,
         {"QLabel", [](const QWidget& w) { return static_cast<const QLabel&>(w).text(); }, textOf}},
        {Kind::Button,
         {"QPushButton", [](const QWidget& w) { return static_cast<const QPushButton&>(w).text(); },
          textOf}},
        {Kind::TextBox,
         {"QLineEdit", [](const QWidget& w) { return static_cast<const QLineEdit&>(w).text(); },
          textOf}},
        {Kind::CheckBox,
         {"QCheckBox",
          [](const QWidget& w) {
              const auto& box = static_cast<const QCheckBox&>(w);
              return box.text() + (box.isChecked() ? "|on" : "|off");
          },
          [](const forms::Control& c) {
              return textOf(c) +
                     (static_cast<const forms::CheckBox&>(c).checked() ? "|on" : "|off");
          }}},
        {Kind::ListBox,
         {"QListWidget",
          [](const QWidget& w) {
              const auto& list = static_cast<const QListWidget&>(w);
              QStringList items;
              for (int i = 0; i < list.count(); ++i)
                  items << list.item(i)->text();
              return items.join('|') + "|" + QString::number(list.currentRow());
          },
          [](const forms::Control& c) {
              const auto& list = static_cast<const forms::ListBox&>(c);
              QStringList items;
              for (const auto& item : list.items())
                  items << qs(item);
              return items.join('|') + "|" + QString::number(list.selected());
          }}},
        {Kind::Image,
         {"QLabel",
          [](const QWidget& w) {
              return static_cast<const QLabel&>(w).pixmap().isNull() ? "none" : "picture";
          },
          [](const forms::Control& c) {
              return static_cast<const forms::Image&>(c).picture() ? "picture" : "none";
          }}},
        {Kind::Shape,
         {"QFrame", nothing, nothingOf,
          [](const QWidget& w) {
              return frameShaped(w, {QFrame::Box, QFrame::Panel, QFrame::StyledPanel});
          }}},
        {Kind::Line,
         {"QFrame", nothing, nothingOf,
          [](const QWidget& w) {
              return frameShaped(w, {QFrame::HLine, QFrame::VLine});
          }}},
        {Kind::Frame,
         {"QGroupBox", [](const QWidget& w) { return static_cast<const QGroupBox&>(w).title(); },
          textOf}},
    };
    return table;
}

TEST(Views, EveryControlHasAWidgetOfItsKindAndEveryNamedWidgetIsAControl) {
    qttest::Session session({}, false);
    front::Binder binder(session.game);
    for (const std::string& name : game::Game::formNames()) {
        SCOPED_TRACE(name);
        forms::Form& form = *session.game.inspect(name);
        ASSERT_NO_THROW(binder.bind(form));
        QWidget* window = binder.window(form);
        ASSERT_NE(window, nullptr);
        EXPECT_EQ(window->windowTitle(), qs(form.caption()));

        for (const forms::Control* control : form.controls()) {
            if (control->kind() == Kind::Timer) continue;
            SCOPED_TRACE(control->name());
            const KindView& view = kinds().at(control->kind());
            auto* w = window->findChild<QWidget*>(qs(control->name()));
            ASSERT_NE(w, nullptr);
            EXPECT_EQ(binder.widget(*control), w);
            EXPECT_STREQ(w->metaObject()->className(), view.widgetClass);
            EXPECT_TRUE(view.shaped(*w));
            EXPECT_EQ(view.shown(*w), view.expected(*control));
            EXPECT_EQ(w->isHidden(), !control->visible());
            EXPECT_EQ(w->isEnabledTo(window), control->enabled());
            EXPECT_EQ(w->toolTip(), qs(control->tooltip()));
            // A control sits in the widget of its frame, and in no other frame.
            for (QWidget* up = w->parentWidget(); up && up != window; up = up->parentWidget()) {
                const forms::Control* around = form.find(up->objectName().toStdString());
                if (around && around->kind() == Kind::Frame) {
                    EXPECT_EQ(around, control->container());
                }
            }
            if (control->container()) {
                EXPECT_TRUE(binder.widget(*control->container())->isAncestorOf(w));
            }
        }

        for (const QWidget* w : window->findChildren<QWidget*>()) {
            const QString objectName = w->objectName();
            if (objectName.isEmpty() || objectName.startsWith('_') || objectName.startsWith("qt_"))
                continue;
            const forms::Control* control = form.find(objectName.toStdString());
            EXPECT_TRUE(control && control->kind() != Kind::Timer)
                << "the widget " << objectName.toStdString() << " shows no control";
        }
    }
}

}  // namespace
