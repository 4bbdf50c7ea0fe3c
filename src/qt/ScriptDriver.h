// A scenario played through the real widgets: every action of the file is a
// person's input sent to the bound widgets as real mouse and key events, on
// the game's virtual clock; `shot NAME` saves a picture of every visible
// window.
#pragma once

#include <QPoint>
#include <filesystem>
#include <memory>
#include <optional>

#include "script/Scenario.h"

class QWidget;

namespace front {

class Binder;

class ScriptDriver : public script::Driver {
  public:
    // Pictures of `shot` lines go to `shotsDir`; without it they are skipped.
    explicit ScriptDriver(std::optional<std::filesystem::path> shotsDir);
    ~ScriptDriver() override;

    void attach(game::Game& game, script::RecordingPlatform& platform) override;
    void click(forms::Control& control) override;
    void type(forms::TextBox& box, const std::string& text) override;
    void select(forms::ListBox& list, int index) override;
    void drag(forms::Image& source, forms::Control& target) override;
    void hover(forms::Control& control) override;
    void shot(const std::string& name) override;
    void settle() override;
    void detach() override;

  private:
    QWidget& widgetOf(const forms::Control& control) const;
    void clickAt(QWidget& widget, QPoint local);

    std::optional<std::filesystem::path> shotsDir_;
    game::Game* game_ = nullptr;
    std::unique_ptr<Binder> binder_;
};

}  // namespace front
