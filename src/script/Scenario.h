// Scenario files: a person's actions on the game's windows, on the virtual
// clock, and the expectations on what the windows then show. See the
// developers' documentation of the file format; the runner keeps it exactly.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "forms/Control.h"

namespace game {
class Game;
}

namespace script {

class RecordingPlatform;

struct Command {
    int line = 0;
    std::string verb;
    std::vector<std::string> words;    // the arguments before VALUE
    std::optional<std::string> value;  // the rest of the line, unquoted
};

// A file that cannot be run: its line and what is wrong.
struct Malformed {
    int line = 0;
    std::string message;
};

struct ParsedScenario {
    std::vector<Command> commands;
    std::optional<Malformed> error;
};

// Parses and checks a scenario: commands, their arguments, and every form,
// control, property and state field they name.
ParsedScenario parseScenario(const std::string& source);

// How a person's actions reach the game. Headless, they go straight to the
// controls; the app's script mode sends real input events to real widgets.
// The runner has already checked that the control can be acted on.
class Driver {
  public:
    virtual ~Driver() = default;
    // A fresh game has been made, before it starts.
    virtual void attach(game::Game&, RecordingPlatform&) {}
    virtual void click(forms::Control& control);
    virtual void type(forms::TextBox& box, const std::string& text);
    virtual void select(forms::ListBox& list, int index);
    virtual void drag(forms::Image& source, forms::Control& target);
    virtual void hover(forms::Control& control);
    // Every visible window saved as a picture named after `name`.
    virtual void shot(const std::string&) {}
    // The clock has moved or an action has been handled.
    virtual void settle() {}
    // The game of the current file is about to be destroyed.
    virtual void detach() {}
};

struct RunOptions {
    std::filesystem::path programDir;
    std::ostream* trace = nullptr;  // --trace
    std::ostream* out = nullptr;    // failures and the summary
};

struct RunTotals {
    int passed = 0;
    int failed = 0;
    bool malformed = false;
};

// Runs one scenario file in a fresh game and adds to the totals.
void runScenarioFile(const std::filesystem::path& file, const RunOptions& options, Driver& driver,
                     RunTotals& totals);

// Runs files the way zarvokan-script does: prints the failures and the
// summary line and returns the exit status (0, 1 or 2).
int runScenarioFiles(const std::vector<std::filesystem::path>& files, const RunOptions& options,
                     Driver& driver);

}  // namespace script
