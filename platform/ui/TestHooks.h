#pragma once
// Hooks that let tests drive the layer without a person at the screen. Compiled in; only tests set them.
#include "Dialogs.h"

#include <deque>
#include <functional>
#include <vector>

namespace ui {

class Form;

class TestHooks {
public:
    // Answers message boxes instead of showing them; an empty hook shows real ones.
    using MessageBoxHook = std::function<int(const MessageBoxCall& call)>;
    static void SetMessageBoxHook(MessageBoxHook hook);
    static const MessageBoxHook& MessageBoxHookFn();

    using BeepHook = std::function<void(int frequency, int durationMs)>;
    static void SetBeepHook(BeepHook hook);
    static const BeepHook& BeepHookFn();

    // 0 takes the screen's own value.
    static void SetPixelsPerInch(int pixelsPerInch);
    static int PixelsPerInchOverride();

    // Runs driver inside the next modal loop, after the events posted before it started.
    using ModalDriver = std::function<void(Form& form)>;
    static void RunInNextModal(ModalDriver driver);
    static ModalDriver TakeModalDriver();
    static void ClearModalDrivers();
};

// Records message boxes while it lives and answers each one: queued answers first, then the default
// (0 means the box's first button: OK or Yes).
class MessageBoxRecorder {
public:
    explicit MessageBoxRecorder(int defaultAnswer = 0);
    ~MessageBoxRecorder();
    MessageBoxRecorder(const MessageBoxRecorder&) = delete;
    MessageBoxRecorder& operator=(const MessageBoxRecorder&) = delete;

    void QueueAnswer(int answer) { answers_.push_back(answer); }
    const std::vector<MessageBoxCall>& Calls() const { return calls_; }
    void Clear() { calls_.clear(); }

private:
    std::vector<MessageBoxCall> calls_;
    std::deque<int> answers_;
    int defaultAnswer_;
    TestHooks::MessageBoxHook previous_;
};

// Records beeps while it lives.
class BeepRecorder {
public:
    struct Beep {
        int Frequency;
        int DurationMs;
    };
    BeepRecorder();
    ~BeepRecorder();
    BeepRecorder(const BeepRecorder&) = delete;
    BeepRecorder& operator=(const BeepRecorder&) = delete;
    const std::vector<Beep>& Beeps() const { return beeps_; }

private:
    std::vector<Beep> beeps_;
    TestHooks::BeepHook previous_;
};

}  // namespace ui
