// The top-level window around a form's view: black, with a thin white
// rectangle drawn around its contents. Only the game opens, hides and closes
// its windows, so the window has no close box and ignores the window
// system's requests to close.
#pragma once

#include <QWidget>
#include <memory>

namespace front {

class FormWindow : public QWidget {
  public:
    explicit FormWindow(std::unique_ptr<QWidget> view);

    QWidget* view() const { return view_; }

    // Shows the window in front, centred on the screen the first time.
    void present();
    // Makes the window at least as large as its contents need.
    void fit();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    QWidget* view_;
    bool placed_ = false;
};

}  // namespace front
