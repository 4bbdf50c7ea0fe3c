// The machine the game runs on, through Qt: real message boxes and input
// boxes, the beep, starting programs, ending the program and keeping a window
// above the others.
#pragma once

#include <string>

#include "forms/Platform.h"

namespace front {

class QtPlatform : public forms::Platform {
  public:
    // `commandLine`: everything after the program's name, as it was started.
    explicit QtPlatform(std::string commandLine);

    void beep() override;
    void messageBox(const std::string& text, const std::string& title) override;
    std::string inputBox(const std::string& prompt, const std::string& title,
                         const std::string& defaultText) override;
    bool launch(const std::string& program, const std::string& commandLine) override;
    void exitProgram() override;
    void makeTopmost(forms::Form& form) override;
    std::filesystem::path programDir() const override;
    std::string commandLine() const override { return commandLine_; }

  private:
    std::string commandLine_;
};

}  // namespace front
