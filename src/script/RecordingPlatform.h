// The platform of a scenario run: nothing is shown, everything is recorded.
// Message boxes are answered with OK (after the dwell time, timers firing
// meanwhile), input boxes from a queue of answers, a program start succeeds
// only when the program file exists.
#pragma once

#include <deque>
#include <filesystem>
#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "forms/Platform.h"
#include "forms/Scheduler.h"

namespace script {

struct BoxRecord {
    std::string text;
    std::string title;
};

class RecordingPlatform : public forms::Platform {
  public:
    RecordingPlatform(forms::Scheduler& scheduler, std::filesystem::path programDir,
                      std::string commandLine);

    void beep() override;
    void messageBox(const std::string& text, const std::string& title) override;
    std::string inputBox(const std::string& prompt, const std::string& title,
                         const std::string& defaultText) override;
    bool launch(const std::string& program, const std::string& commandLine) override;
    void exitProgram() override;
    void makeTopmost(forms::Form& form) override;
    std::filesystem::path programDir() const override { return programDir_; }
    std::string commandLine() const override { return commandLine_; }

    // Where --trace writes the events; nullptr for silence.
    void setTrace(std::ostream* out) { trace_ = out; }
    void note(const std::string& event);

    void setDwell(std::int64_t ms) { dwell_ = ms; }
    // The next input box returns `answer`; nothing: it is cancelled.
    void queueAnswer(std::optional<std::string> answer) { answers_.push_back(std::move(answer)); }
    // Called while a message box waits (before its dwell), e.g. to take a
    // screenshot of it in the app.
    void setOnBox(std::function<void(const BoxRecord&)> hook) { onBox_ = std::move(hook); }

    int beeps() const { return beeps_; }
    const std::vector<BoxRecord>& boxes() const { return boxes_; }
    const std::optional<std::string>& lastLaunch() const { return lastLaunch_; }
    bool exited() const { return exited_; }

  private:
    forms::Scheduler& scheduler_;
    std::filesystem::path programDir_;
    std::string commandLine_;
    std::ostream* trace_ = nullptr;
    std::int64_t dwell_ = 0;
    std::deque<std::optional<std::string>> answers_;
    std::function<void(const BoxRecord&)> onBox_;
    int beeps_ = 0;
    std::vector<BoxRecord> boxes_;
    std::optional<std::string> lastLaunch_;
    bool exited_ = false;
};

}  // namespace script
