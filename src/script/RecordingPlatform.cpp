#include "script/RecordingPlatform.h"

#include <system_error>

#include "forms/Form.h"

namespace script {

RecordingPlatform::RecordingPlatform(forms::Scheduler& scheduler, std::filesystem::path programDir,
                                     std::string commandLine)
    : scheduler_(scheduler),
      programDir_(std::move(programDir)),
      commandLine_(std::move(commandLine)) {}

void RecordingPlatform::note(const std::string& event) {
    if (trace_) *trace_ << "[" << scheduler_.now() << " ms] " << event << "\n";
}

void RecordingPlatform::beep() {
    ++beeps_;
    note("beep");
}

void RecordingPlatform::messageBox(const std::string& text, const std::string& title) {
    boxes_.push_back({text, title});
    note("message box \"" + title + "\": " + text);
    if (onBox_) onBox_(boxes_.back());
    if (dwell_ > 0) scheduler_.advance(dwell_);
    note("message box closed: " + text);
}

std::string RecordingPlatform::inputBox(const std::string& prompt, const std::string& title,
                                        const std::string&) {
    std::optional<std::string> answer;
    if (!answers_.empty()) {
        answer = std::move(answers_.front());
        answers_.pop_front();
    }
    note("input box \"" + title + "\" " + prompt + ": " +
         (answer ? "\"" + *answer + "\"" : std::string("cancelled")));
    return answer.value_or("");
}

bool RecordingPlatform::launch(const std::string& program, const std::string& commandLine) {
    lastLaunch_ = program + " " + commandLine;
    std::error_code error;
    const bool ok = std::filesystem::is_regular_file(program, error);
    note("program start " + *lastLaunch_ + (ok ? "" : " (failed)"));
    return ok;
}

void RecordingPlatform::exitProgram() {
    exited_ = true;
    note("the program ends");
}

void RecordingPlatform::makeTopmost(forms::Form& form) {
    // The message window is the one window made topmost; tracing it here
    // notes every text it is given.
    if (form.name() == "frmMsg")
        if (forms::Control* text = form.find("lblText")) note("message window: " + text->text());
}

}  // namespace script
