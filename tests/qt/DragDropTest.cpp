// Dragging a battle stack with the real mouse: the press, the moves past the
// start distance and the release reach the battle's drop as a person's drag
// does; a drag that ends elsewhere does nothing; the unit's icon follows the
// pointer.
#include <gtest/gtest.h>
#include <QApplication>
#include <QLabel>
#include <QTemporaryDir>
#include <fstream>
#include <vector>

#include "Session.h"
#include "combat/BattleScreen.h"
#include "model/RaceCatalog.h"
#include "qt/Pictures.h"

namespace {

using qttest::centreOf;
using qttest::handleOf;

// A unit icon of one colour per race and slot, 32×32 and 16×16.
std::uint32_t colourOf(int race, int slot) {
    return 0xff000000u | (static_cast<std::uint32_t>(40 * race + 30) << 16) |
           (static_cast<std::uint32_t>(40 * slot) << 8) | 0x80u;
}

void writeIcons(const std::filesystem::path& dir) {
    for (int race = 0; race < 4; ++race)
        for (int slot = 1; slot <= 5; ++slot) {
            std::vector<forms::IconImage> images;
            for (int size : {32, 16}) {
                forms::IconImage image;
                image.width = image.height = size;
                image.argb.assign(static_cast<std::size_t>(size * size), colourOf(race, slot));
                images.push_back(image);
            }
            const auto file =
                dir / game::RaceCatalog::iconPath(game::RaceCatalog::keyAt(race), slot);
            std::filesystem::create_directories(file.parent_path());
            const auto bytes = forms::encodeIcon(images);
            std::ofstream(file, std::ios::binary)
                .write(reinterpret_cast<const char*>(bytes.data()),
                       static_cast<std::streamsize>(bytes.size()));
        }
}

struct Stack {
    std::string strength, count;
    bool visible;
    bool operator==(const Stack&) const = default;
};

std::vector<Stack> stacks(game::Game& g) {
    std::vector<Stack> all;
    for (int n = 1; n <= 10; ++n) {
        const forms::Image& s = g.battle().stack(n);
        all.push_back(
            {game::BattleScreen::strengthOf(s), game::BattleScreen::countOf(s), s.visible()});
    }
    return all;
}

QLabel* dragImage() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == "_dragImage" && w->isVisible()) return qobject_cast<QLabel*>(w);
    return nullptr;
}

class BattleDrag : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        writeIcons(dir_.path().toStdString());
        session_ = std::make_unique<qttest::Session>(dir_.path().toStdString());
        session_->newGame("animalite", "alieni");
        session_->battle();
        ASSERT_TRUE(battle().visible());
        ASSERT_TRUE(battle().stack(1).draggable());
        ASSERT_FALSE(battle().stack(6).draggable());
    }

    game::BattleScreen& battle() { return session_->game.battle(); }
    QWidget& stackWidget(int n) { return *session_->binder->widget(battle().stack(n)); }
    QWindow* window() { return handleOf(stackWidget(1)); }

    // Presses on `from` and moves past the start distance towards `to`.
    void pressAndMove(QPoint from, QPoint to) {
        QTest::mousePress(window(), Qt::LeftButton, {}, from);
        const QPoint way = to - from;
        const int step = QApplication::startDragDistance() + 2;
        QTest::mouseMove(window(), from + way * step / std::max(1, way.manhattanLength()));
        QTest::mouseMove(window(), to);
    }
    void release(QPoint at) { QTest::mouseRelease(window(), Qt::LeftButton, {}, at); }

    QTemporaryDir dir_;
    std::unique_ptr<qttest::Session> session_;
};

TEST_F(BattleDrag, ReleaseOnAnEnemyStackAttacksItAsTheBattleRulesSay) {
    // The same battle, headless, with the drop made on the controls.
    qttest::Session reference(dir_.path().toStdString(), false);
    reference.newGame("animalite", "alieni");
    reference.battle();
    reference.game.battle().stack(6).dragOver(reference.game.battle().stack(1));
    reference.game.battle().stack(6).dragDrop(reference.game.battle().stack(1));

    const auto before = stacks(session_->game);
    pressAndMove(centreOf(stackWidget(1)), centreOf(stackWidget(6)));
    release(centreOf(stackWidget(6)));

    EXPECT_NE(stacks(session_->game), before);
    EXPECT_EQ(stacks(session_->game), stacks(reference.game));
    EXPECT_EQ(battle().PendingTurn, reference.game.battle().PendingTurn);
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
    EXPECT_EQ(dragImage(), nullptr);
}

TEST_F(BattleDrag, TheDraggedUnitsIconFollowsThePointer) {
    const QPoint target = centreOf(stackWidget(6));
    pressAndMove(centreOf(stackWidget(1)), target);

    QLabel* image = dragImage();
    ASSERT_NE(image, nullptr);
    const QImage shown = image->pixmap().toImage().convertToFormat(QImage::Format_ARGB32);
    EXPECT_EQ(shown.size(), QSize(32, 32));
    EXPECT_EQ(shown.pixel(16, 16), colourOf(0, 1));
    EXPECT_TRUE(image->geometry().contains(stackWidget(1).window()->mapToGlobal(target)));
    release(target);
    EXPECT_EQ(dragImage(), nullptr);
}

struct IdleDrag {
    const char* what;
    int from;  // the stack pressed on
    int to;    // the stack released on, 0 for the empty middle of the field
};

TEST_F(BattleDrag, DragsThatEndElsewhereOrStartOffTurnDoNothing) {
    const IdleDrag cases[] = {
        {"released on the empty field", 1, 0},
        {"a stack not on turn", 6, 1},
    };
    for (const IdleDrag& c : cases) {
        SCOPED_TRACE(c.what);
        const auto before = stacks(session_->game);
        const std::string turn = battle().PendingTurn;
        const QPoint from = centreOf(stackWidget(c.from));
        const QPoint to = c.to ? centreOf(stackWidget(c.to))
                               : (centreOf(stackWidget(1)) + centreOf(stackWidget(6))) / 2;
        pressAndMove(from, to);
        release(to);
        EXPECT_EQ(stacks(session_->game), before);
        EXPECT_EQ(battle().PendingTurn, turn);
        EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
        EXPECT_EQ(dragImage(), nullptr);
    }
}

}  // namespace
