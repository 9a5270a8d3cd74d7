#include "TestHooks.h"

#include "Types.h"

namespace ui {

namespace {
TestHooks::MessageBoxHook messageBoxHook;
TestHooks::BeepHook beepHook;
int pixelsPerInch = 0;
std::deque<TestHooks::ModalDriver> modalDrivers;
}  // namespace

void TestHooks::SetMessageBoxHook(MessageBoxHook hook) { messageBoxHook = std::move(hook); }
const TestHooks::MessageBoxHook& TestHooks::MessageBoxHookFn() { return messageBoxHook; }
void TestHooks::SetBeepHook(BeepHook hook) { beepHook = std::move(hook); }
const TestHooks::BeepHook& TestHooks::BeepHookFn() { return beepHook; }
void TestHooks::SetPixelsPerInch(int value) { pixelsPerInch = value; }
int TestHooks::PixelsPerInchOverride() { return pixelsPerInch; }
void TestHooks::RunInNextModal(ModalDriver driver) { modalDrivers.push_back(std::move(driver)); }
void TestHooks::ClearModalDrivers() { modalDrivers.clear(); }

TestHooks::ModalDriver TestHooks::TakeModalDriver() {
    if (modalDrivers.empty()) return {};
    ModalDriver driver = std::move(modalDrivers.front());
    modalDrivers.pop_front();
    return driver;
}

MessageBoxRecorder::MessageBoxRecorder(int defaultAnswer)
    : defaultAnswer_(defaultAnswer), previous_(TestHooks::MessageBoxHookFn()) {
    TestHooks::SetMessageBoxHook([this](const MessageBoxCall& call) {
        calls_.push_back(call);
        if (!answers_.empty()) {
            const int answer = answers_.front();
            answers_.pop_front();
            return answer;
        }
        if (defaultAnswer_ != 0) return defaultAnswer_;
        return (call.Buttons == mbYesNo || call.Buttons == mbYesNoCancel) ? mrYes : mrOk;
    });
}

MessageBoxRecorder::~MessageBoxRecorder() { TestHooks::SetMessageBoxHook(previous_); }

BeepRecorder::BeepRecorder() : previous_(TestHooks::BeepHookFn()) {
    TestHooks::SetBeepHook([this](int frequency, int durationMs) { beeps_.push_back({frequency, durationMs}); });
}

BeepRecorder::~BeepRecorder() { TestHooks::SetBeepHook(previous_); }

}  // namespace ui
