// The look of the game's windows: black, white text, thin white lines, and
// the game's logo as the window icon.
#pragma once

class QApplication;

namespace front {

// Makes the pictures and the style sheet of the front end available.
void loadResources();

// Gives the whole application the game's look.
void installLook(QApplication& app);

}  // namespace front
