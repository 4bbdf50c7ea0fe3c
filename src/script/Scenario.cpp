#include "script/Scenario.h"

#include <charconv>
#include <cmath>
#include <fstream>
#include <functional>
#include <map>
#include <set>
#include <sstream>

#include "app/Game.h"
#include "forms/Form.h"
#include "forms/Scheduler.h"
#include "model/Numbers.h"
#include "script/RecordingPlatform.h"

namespace script {

using forms::Control;
using forms::Kind;

// ---------------------------------------------------------------- parsing --

namespace {

enum class Value { None, Optional, Required };

struct Syntax {
    int words;  // arguments before VALUE
    Value value;
};

const std::map<std::string, Syntax, std::less<>>& syntax() {
    static const std::map<std::string, Syntax, std::less<>> table = {
        {"start", {0, Value::Optional}},
        {"wait", {0, Value::Required}},
        {"click", {1, Value::None}},
        {"type", {1, Value::Required}},
        {"select", {1, Value::Required}},
        {"drag", {2, Value::None}},
        {"hover", {1, Value::None}},
        {"answer", {0, Value::Optional}},
        {"dwell", {0, Value::Required}},
        {"expect", {2, Value::Required}},
        {"expect-near", {2, Value::Required}},
        {"expect-state", {1, Value::Required}},
        {"expect-box", {0, Value::Required}},
        {"expect-box-title", {0, Value::Required}},
        {"expect-no-box", {0, Value::None}},
        {"expect-beeps", {0, Value::Required}},
        {"expect-launch", {0, Value::Required}},
        {"expect-exit", {0, Value::None}},
        {"shot", {0, Value::Required}},
    };
    return table;
}

bool isExpectation(const std::string& verb) {
    return verb.rfind("expect", 0) == 0;
}

// A VALUE written in double quotes, C-style.
std::optional<std::string> unquote(std::string_view s) {
    if (s.size() < 2 || s.front() != '"' || s.back() != '"') return std::nullopt;
    std::string out;
    for (std::size_t i = 1; i + 1 < s.size(); ++i) {
        char c = s[i];
        if (c == '"') return std::nullopt;
        if (c == '\\') {
            if (i + 2 >= s.size()) return std::nullopt;
            c = s[++i];
            if (c == 'n')
                c = '\n';
            else if (c == 't')
                c = '\t';
            else if (c != '"' && c != '\\')
                return std::nullopt;
        }
        out += c;
    }
    return out;
}

std::optional<long long> wholeNumber(const std::string& s) {
    long long value = 0;
    const auto result = std::from_chars(s.data(), s.data() + s.size(), value);
    if (result.ec != std::errc() || result.ptr != s.data() + s.size()) return std::nullopt;
    return value;
}

struct Target {
    std::string form;
    std::string control;  // empty for the window itself
};

Target splitTarget(const std::string& word) {
    const auto dot = word.find('.');
    if (dot == std::string::npos) return {word, ""};
    return {word.substr(0, dot), word.substr(dot + 1)};
}

// Which properties a kind of control has.
bool hasProperty(Kind kind, const std::string& property) {
    if (property == "visible" || property == "enabled" || property == "tooltip") return true;
    if (property == "text")
        return kind == Kind::Label || kind == Kind::Button || kind == Kind::CheckBox ||
               kind == Kind::TextBox || kind == Kind::Frame;
    if (property == "picture" || property == "draggable") return kind == Kind::Image;
    if (property == "items" || property == "selected") return kind == Kind::ListBox;
    if (property == "checked") return kind == Kind::CheckBox;
    return false;
}

// Checks names against a game that is never started: inspecting its windows
// constructs them at their design-time state and nothing else.
class NameChecker {
  public:
    NameChecker() : platform_(scheduler_, {}, {}), game_(platform_, scheduler_) {}

    std::optional<std::string> target(const std::string& word, bool needControl,
                                      std::optional<Kind> kind = std::nullopt) {
        const Target t = splitTarget(word);
        forms::Form* form = game_.inspect(t.form);
        if (!form) return "unknown form " + t.form;
        if (t.control.empty()) {
            if (needControl) return word + " names a window, a control is needed";
            return std::nullopt;
        }
        Control* control = form->find(t.control);
        if (!control) return "unknown control " + word;
        if (kind && control->kind() != *kind)
            return word + " is a " + forms::kindName(control->kind()) + ", not a " +
                   forms::kindName(*kind);
        return std::nullopt;
    }

    std::optional<std::string> property(const std::string& word, const std::string& property) {
        const Target t = splitTarget(word);
        if (t.control.empty()) {
            if (property == "visible" || property == "text") return std::nullopt;
            return "unknown property " + property + " of a window";
        }
        Control* control = game_.inspect(t.form)->find(t.control);
        if (!hasProperty(control->kind(), property))
            return "unknown property " + property + " of " + forms::kindName(control->kind()) +
                   " " + word;
        return std::nullopt;
    }

  private:
    forms::Scheduler scheduler_;
    RecordingPlatform platform_;
    game::Game game_;
};

std::optional<std::string> checkCommand(const Command& c, NameChecker& names) {
    const std::string& v = c.verb;
    auto number = [&]() -> std::optional<std::string> {
        auto n = wholeNumber(*c.value);
        if (!n || *n < 0) return v + " needs a whole number, not \"" + *c.value + "\"";
        return std::nullopt;
    };
    if (v == "wait" || v == "dwell" || v == "expect-beeps") return number();
    if (v == "click" || v == "hover") return names.target(c.words[0], true);
    if (v == "type") return names.target(c.words[0], true, Kind::TextBox);
    if (v == "select") {
        if (auto e = names.target(c.words[0], true, Kind::ListBox)) return e;
        return number();
    }
    if (v == "drag") {
        if (auto e = names.target(c.words[0], true, Kind::Image)) return e;
        return names.target(c.words[1], true);
    }
    if (v == "expect" || v == "expect-near") {
        if (auto e = names.target(c.words[0], false)) return e;
        if (auto e = names.property(c.words[0], c.words[1])) return e;
        if (v == "expect-near" && !game::parseNumber(*c.value))
            return "expect-near needs a number, not \"" + *c.value + "\"";
        return std::nullopt;
    }
    if (v == "expect-state") {
        const auto dot = c.words[0].find('.');
        const std::string player = c.words[0].substr(0, dot);
        if (dot == std::string::npos || (player != "p1" && player != "p2"))
            return "expect-state needs p1.FIELD or p2.FIELD, not " + c.words[0];
        const std::string field = c.words[0].substr(dot + 1);
        if (!game::PlayerState::isField(field)) return "unknown state field " + field;
    }
    return std::nullopt;
}

}  // namespace

ParsedScenario parseScenario(const std::string& source) {
    ParsedScenario parsed;
    NameChecker names;
    std::istringstream in(source);
    std::string line;
    int number = 0;
    auto fail = [&](std::string message) {
        parsed.error = Malformed{number, std::move(message)};
        return parsed;
    };
    while (std::getline(in, line)) {
        ++number;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty() || line[0] == '#') continue;
        Command c;
        c.line = number;
        std::size_t at = line.find(' ');
        c.verb = line.substr(0, at);
        auto it = syntax().find(c.verb);
        if (it == syntax().end()) return fail("unknown command " + c.verb);
        const Syntax s = it->second;
        for (int w = 0; w < s.words; ++w) {
            if (at == std::string::npos) return fail(c.verb + " needs more arguments");
            const std::size_t next = line.find(' ', at + 1);
            c.words.push_back(
                line.substr(at + 1, next == std::string::npos ? next : next - at - 1));
            if (c.words.back().empty()) return fail("empty argument of " + c.verb);
            at = next;
        }
        if (at != std::string::npos) {
            if (s.value == Value::None) return fail(c.verb + " takes no further argument");
            const std::string rest = line.substr(at + 1);
            if (!rest.empty() && rest.front() == '"') {
                c.value = unquote(rest);
                if (!c.value) return fail("bad quoted text " + rest);
            } else {
                c.value = rest;
            }
        } else if (s.value == Value::Required) {
            return fail(c.verb + " needs a value");
        }
        if (parsed.commands.empty() && c.verb != "start")
            return fail("the first command must be start");
        if (!parsed.commands.empty() && c.verb == "start")
            return fail("start must be the first command and only once");
        if (auto e = checkCommand(c, names)) return fail(*e);
        parsed.commands.push_back(std::move(c));
    }
    if (parsed.commands.empty()) {
        number = 0;
        return fail("no start command");
    }
    return parsed;
}

// ------------------------------------------------------------- the driver --

void Driver::click(Control& control) {
    if (control.kind() == Kind::CheckBox)
        static_cast<forms::CheckBox&>(control).toggle();
    else
        control.click();
}

void Driver::type(forms::TextBox& box, const std::string& text) {
    box.type(text);
}

void Driver::select(forms::ListBox& list, int index) {
    list.choose(index);
}

void Driver::drag(forms::Image& source, Control& target) {
    // A drag passes over its target before it is released there.
    if (target.kind() == Kind::Image) {
        auto& image = static_cast<forms::Image&>(target);
        image.dragOver(source);
        image.dragDrop(source);
    }
}

void Driver::hover(Control& control) {
    control.mouseMove();
}

// -------------------------------------------------------------- execution --

namespace {

std::string flag(bool on) {
    return on ? "true" : "false";
}

std::string join(const std::vector<std::string>& items) {
    std::string out;
    for (std::size_t i = 0; i < items.size(); ++i)
        out += (i ? "|" : "") + items[i];
    return out;
}

std::string readProperty(game::Game& g, const Target& t, const std::string& property) {
    if (t.control.empty()) {
        if (property == "visible") {
            forms::Form* form = g.existing(t.form);
            return flag(form && form->visible());
        }
        return g.inspect(t.form)->caption();
    }
    const Control& c = g.inspect(t.form)->control(t.control);
    if (property == "visible") return flag(c.visible());
    if (property == "enabled") return flag(c.enabled());
    if (property == "tooltip") return c.tooltip();
    if (property == "text") return c.text();
    if (property == "picture") {
        const auto& picture = static_cast<const forms::Image&>(c).picture();
        return picture ? picture->path : "";
    }
    if (property == "draggable") return flag(static_cast<const forms::Image&>(c).draggable());
    if (property == "items") return join(static_cast<const forms::ListBox&>(c).items());
    if (property == "selected")
        return std::to_string(static_cast<const forms::ListBox&>(c).selected());
    if (property == "checked") return flag(static_cast<const forms::CheckBox&>(c).checked());
    return {};
}

std::string quoted(const std::string& s) {
    std::string out = "\"";
    for (char c : s) {
        if (c == '"' || c == '\\') out += '\\';
        if (c == '\n') {
            out += "\\n";
            continue;
        }
        out += c;
    }
    return out + "\"";
}

bool near(double a, double b) {
    if (a == b) return true;
    return std::abs(a - b) <= 1e-9 * std::max(std::abs(a), std::abs(b));
}

class FileRun {
  public:
    FileRun(std::string file, const RunOptions& options, Driver& driver, RunTotals& totals)
        : file_(std::move(file)), options_(options), driver_(driver), totals_(totals) {}

    ~FileRun() {
        if (game_) driver_.detach();
    }

    // False when the run had to stop at a command it cannot carry out.
    bool run(const std::vector<Command>& commands) {
        for (const Command& c : commands) {
            line_ = c.line;
            if (!isExpectation(c.verb) && platform_ && platform_->exited()) {
                report("the program has ended; " + c.verb + " is not possible after the end");
                totals_.malformed = true;
                return false;
            }
            execute(c);
        }
        return true;
    }

  private:
    std::ostream& out() { return *options_.out; }

    void report(const std::string& message) {
        out() << file_ << ":" << line_ << ": " << message << "\n";
    }

    void expectation(bool held, const std::string& expected, const std::string& got) {
        if (held) {
            ++totals_.passed;
            return;
        }
        ++totals_.failed;
        report("expected " + expected + ", got " + got);
    }

    Control& control(const std::string& word) {
        const Target t = splitTarget(word);
        return game_->inspect(t.form)->control(t.control);
    }

    // A person can reach the control: it is on screen and enabled.
    bool reachable(Control& c, const char* action) {
        if (c.usable()) return true;
        platform_->note(std::string(action) + " " + c.form().name() + "." + c.name() +
                        " does nothing: " + (c.shown() ? "disabled" : "hidden"));
        return false;
    }

    void execute(const Command& c) {
        const std::string& v = c.verb;
        if (v == "start") {
            platform_ = std::make_unique<RecordingPlatform>(scheduler_, options_.programDir,
                                                            c.value.value_or(""));
            platform_->setTrace(options_.trace);
            game_ = std::make_unique<game::Game>(*platform_, scheduler_);
            driver_.attach(*game_, *platform_);
            game_->start();
            driver_.settle();
        } else if (v == "wait") {
            scheduler_.advance(*wholeNumber(*c.value));
            driver_.settle();
        } else if (v == "click") {
            Control& target = control(c.words[0]);
            if (reachable(target, "click")) driver_.click(target);
            driver_.settle();
        } else if (v == "type") {
            auto& box = static_cast<forms::TextBox&>(control(c.words[0]));
            if (reachable(box, "type")) driver_.type(box, *c.value);
            driver_.settle();
        } else if (v == "select") {
            auto& list = static_cast<forms::ListBox&>(control(c.words[0]));
            const auto index = static_cast<int>(*wholeNumber(*c.value));
            if (reachable(list, "select")) {
                if (index < static_cast<int>(list.items().size()))
                    driver_.select(list, index);
                else
                    platform_->note("select: " + list.name() + " has no item " + *c.value);
            }
            driver_.settle();
        } else if (v == "drag") {
            auto& source = static_cast<forms::Image&>(control(c.words[0]));
            Control& target = control(c.words[1]);
            if (source.usable() && source.draggable() && target.shown())
                driver_.drag(source, target);
            else
                platform_->note("drag " + c.words[0] + " to " + c.words[1] + " does nothing");
            driver_.settle();
        } else if (v == "hover") {
            Control& target = control(c.words[0]);
            if (reachable(target, "hover")) driver_.hover(target);
            driver_.settle();
        } else if (v == "answer") {
            platform_->queueAnswer(c.value);
        } else if (v == "dwell") {
            platform_->setDwell(*wholeNumber(*c.value));
        } else if (v == "shot") {
            driver_.shot(*c.value);
        } else if (v == "expect" || v == "expect-near") {
            game::Game::Inspection inspection(*game_);
            const std::string got = readProperty(*game_, splitTarget(c.words[0]), c.words[1]);
            if (v == "expect") {
                expectation(got == *c.value, quoted(*c.value), quoted(got));
            } else {
                const auto number = game::parseNumber(got);
                expectation(number && near(*number, *game::parseNumber(*c.value)),
                            *c.value + " (within 1e-9)", quoted(got));
            }
        } else if (v == "expect-state") {
            game::Game::Inspection inspection(*game_);
            const auto dot = c.words[0].find('.');
            const int player = c.words[0][1] - '0';
            const std::string got = *game_->player(player).field(c.words[0].substr(dot + 1));
            expectation(got == *c.value, quoted(*c.value), quoted(got));
        } else if (v == "expect-box") {
            const auto& boxes = platform_->boxes();
            if (checkedBoxes_ >= boxes.size()) {
                expectation(false, "message box " + quoted(*c.value), "no message box");
            } else {
                const std::string& got = boxes[checkedBoxes_++].text;
                expectation(got == *c.value, "message box " + quoted(*c.value), quoted(got));
            }
        } else if (v == "expect-box-title") {
            if (checkedBoxes_ == 0) {
                expectation(false, "box title " + quoted(*c.value), "no box checked yet");
            } else {
                const std::string& got = platform_->boxes()[checkedBoxes_ - 1].title;
                expectation(got == *c.value, "box title " + quoted(*c.value), quoted(got));
            }
        } else if (v == "expect-no-box") {
            const auto& boxes = platform_->boxes();
            expectation(checkedBoxes_ >= boxes.size(), "no unchecked message box",
                        checkedBoxes_ < boxes.size()
                            ? "message box " + quoted(boxes[checkedBoxes_].text)
                            : "");
        } else if (v == "expect-beeps") {
            const std::string got = std::to_string(platform_->beeps());
            expectation(got == *c.value, *c.value + " beeps", got);
        } else if (v == "expect-launch") {
            const auto& launch = platform_->lastLaunch();
            expectation(launch && *launch == *c.value, "program start " + quoted(*c.value),
                        launch ? quoted(*launch) : "no program start");
        } else if (v == "expect-exit") {
            expectation(platform_->exited(), "the program to have ended", "it still runs");
        }
    }

    std::string file_;
    const RunOptions& options_;
    Driver& driver_;
    RunTotals& totals_;
    int line_ = 0;
    forms::Scheduler scheduler_;
    std::unique_ptr<RecordingPlatform> platform_;
    std::unique_ptr<game::Game> game_;
    std::size_t checkedBoxes_ = 0;
};

}  // namespace

void runScenarioFile(const std::filesystem::path& file, const RunOptions& options, Driver& driver,
                     RunTotals& totals) {
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        *options.out << file.string() << ":0: cannot read the file\n";
        totals.malformed = true;
        return;
    }
    std::stringstream source;
    source << in.rdbuf();
    const ParsedScenario parsed = parseScenario(source.str());
    if (parsed.error) {
        *options.out << file.string() << ":" << parsed.error->line << ": " << parsed.error->message
                     << "\n";
        totals.malformed = true;
        return;
    }
    FileRun run(file.string(), options, driver, totals);
    run.run(parsed.commands);
}

int runScenarioFiles(const std::vector<std::filesystem::path>& files, const RunOptions& options,
                     Driver& driver) {
    RunTotals totals;
    for (const auto& file : files)
        runScenarioFile(file, options, driver, totals);
    *options.out << totals.passed << " passed, " << totals.failed << " failed\n";
    if (totals.malformed) return 2;
    return totals.failed ? 1 : 0;
}

}  // namespace script
