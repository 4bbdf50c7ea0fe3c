#include "qt/QtPlatform.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QProcess>

#include "qt/Binder.h"

namespace front {

namespace {

QString qs(const std::string& text) {
    return QString::fromStdString(text);
}

}  // namespace

QtPlatform::QtPlatform(std::string commandLine) : commandLine_(std::move(commandLine)) {}

void QtPlatform::beep() {
    QApplication::beep();
}

// The box's own event loop keeps the game's timers going while it waits.
void QtPlatform::messageBox(const std::string& text, const std::string& title) {
    QMessageBox box(QMessageBox::NoIcon, qs(title), qs(text), QMessageBox::Ok);
    box.exec();
}

std::string QtPlatform::inputBox(const std::string& prompt, const std::string& title,
                                 const std::string& defaultText) {
    bool ok = false;
    const QString text = QInputDialog::getText(nullptr, qs(title), qs(prompt), QLineEdit::Normal,
                                               qs(defaultText), &ok);
    return ok ? text.toStdString() : std::string();
}

bool QtPlatform::launch(const std::string& program, const std::string& commandLine) {
    return QProcess::startDetached(qs(program), QProcess::splitCommand(qs(commandLine)));
}

void QtPlatform::exitProgram() {
    QApplication::closeAllWindows();
    QCoreApplication::exit(0);
}

void QtPlatform::makeTopmost(forms::Form& form) {
    Binder* binder = Binder::of(form);
    QWidget* window = binder ? binder->window(form) : nullptr;
    if (!window) return;
    if (!window->windowFlags().testFlag(Qt::WindowStaysOnTopHint)) {
        // New window flags take the window off the screen; it comes back as it was.
        const bool shown = window->isVisible();
        window->setWindowFlag(Qt::WindowStaysOnTopHint, true);
        if (shown) window->show();
    }
    window->raise();
}

std::filesystem::path QtPlatform::programDir() const {
    return std::filesystem::path(QCoreApplication::applicationDirPath().toStdString());
}

}  // namespace front
