#include "qt/Look.h"

#include <QApplication>
#include <QFile>
#include <QFont>
#include <QIcon>
#include <QPalette>
#include <QStyleFactory>

// The resources live in a static library: they are registered by hand.
static void registerResources() {
    Q_INIT_RESOURCE(resources);
}

namespace front {

void loadResources() {
    static const bool loaded = (registerResources(), true);
    (void)loaded;
}

void installLook(QApplication& app) {
    loadResources();
    if (QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion"))) app.setStyle(fusion);
    app.setFont(QFont(QStringLiteral("DejaVu Sans"), 9));

    const QColor white(Qt::white), black(Qt::black), dim(0x77, 0x77, 0x77);
    QPalette palette;
    for (QPalette::ColorRole role :
         {QPalette::Window, QPalette::Base, QPalette::AlternateBase, QPalette::ToolTipBase})
        palette.setColor(role, black);
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText,
                                     QPalette::ToolTipText, QPalette::BrightText})
        palette.setColor(role, white);
    palette.setColor(QPalette::Button, QColor(0x3a, 0x3a, 0x3a));
    palette.setColor(QPalette::Highlight, QColor(0x60, 0x60, 0x60));
    palette.setColor(QPalette::HighlightedText, white);
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(QPalette::Disabled, role, dim);
    app.setPalette(palette);

    QFile sheet(QStringLiteral(":/ui/look.qss"));
    if (sheet.open(QIODevice::ReadOnly)) app.setStyleSheet(QString::fromUtf8(sheet.readAll()));
    app.setWindowIcon(QIcon(QStringLiteral(":/ui/logo.png")));
}

}  // namespace front
