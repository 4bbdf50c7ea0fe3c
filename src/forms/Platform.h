// What the game needs from the machine it runs on: standard message boxes,
// the input box, the beep, starting another program, ending the program,
// keeping a window on top, reading pictures, the program's folder and its
// command line. The Qt front end implements it with real dialogs; the scenario
// runner with a recording stand-in.
#pragma once

#include <filesystem>
#include <string>

#include "forms/Picture.h"

namespace forms {

class Form;

class Platform {
  public:
    virtual ~Platform() = default;

    // The system beep.
    virtual void beep() = 0;
    // A modal box with an OK button; returns when OK is pressed. Timers keep
    // firing while it waits.
    virtual void messageBox(const std::string& text, const std::string& title) = 0;
    // A modal input box; returns the typed text, or the empty text on Cancel.
    virtual std::string inputBox(const std::string& prompt, const std::string& title,
                                 const std::string& defaultText) = 0;
    // Starts a program in a maximised window with the focus; false when it
    // cannot be started.
    virtual bool launch(const std::string& program, const std::string& commandLine) = 0;
    // Ends the program at once: every window closes, nothing is saved.
    virtual void exitProgram() = 0;
    // Keeps the window of `form` above all other windows.
    virtual void makeTopmost(Form& form) = 0;

    // The folder the program runs from; `Pictures/` and `Data/` are in it.
    virtual std::filesystem::path programDir() const = 0;
    // Everything after the program's name on its command line.
    virtual std::string commandLine() const = 0;

    // Loads an icon file given relative to the program's folder ('/'
    // separators); nullptr when it is missing or unreadable.
    virtual PicturePtr loadPicture(const std::string& relativePath) {
        return loadIconFile(programDir() / relativePath, relativePath);
    }
};

}  // namespace forms
