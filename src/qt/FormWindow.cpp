#include "qt/FormWindow.h"

#include <QCloseEvent>
#include <QLayout>
#include <QPainter>
#include <QScreen>
#include <QVBoxLayout>

namespace front {

namespace {

// Room between the window's edge, the white rectangle and the contents.
constexpr int kMargin = 8;
constexpr int kInset = 3;

}  // namespace

FormWindow::FormWindow(std::unique_ptr<QWidget> view)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowMinimizeButtonHint),
      view_(view.release()) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(kMargin, kMargin, kMargin, kMargin);
    layout->addWidget(view_);
    setWindowIcon(QIcon(QStringLiteral(":/ui/logo.png")));
}

void FormWindow::present() {
    fit();
    if (!placed_) {
        placed_ = true;
        if (QScreen* s = screen()) {
            const QRect area = s->availableGeometry();
            move(area.center() - QPoint(width() / 2, height() / 2));
        }
    }
    show();
    raise();
    activateWindow();
}

void FormWindow::fit() {
    QLayout* l = layout();
    l->activate();
    QSize size = this->size().expandedTo(sizeHint()).expandedTo(minimumSizeHint());
    if (l->hasHeightForWidth())
        size.setHeight(std::max(size.height(), l->totalHeightForWidth(size.width())));
    if (size != this->size()) resize(size);
}

void FormWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(QPen(palette().color(QPalette::WindowText), 1));
    painter.drawRect(rect().adjusted(kInset, kInset, -kInset - 1, -kInset - 1));
}

void FormWindow::closeEvent(QCloseEvent* event) {
    // A close the program asks for (at its end) goes through; the close box
    // of the window system does nothing.
    if (event->spontaneous())
        event->ignore();
    else
        event->accept();
}

}  // namespace front
