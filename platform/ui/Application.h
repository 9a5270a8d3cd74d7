#pragma once
// The application object: title, main form, event loop, pending-message processing and the
// handler of exceptions that nothing else caught.
#include "Component.h"

#include <exception>
#include <functional>
#include <memory>
#include <string>

class QApplication;

namespace ui {

class Form;

class Application : public Component {
public:
    // Creates the Qt application unless one exists already. One application object at a time.
    Application(int& argc, char** argv);
    ~Application() override;

    static Application& Instance();        // throws Exception when there is none
    static Application* InstanceOrNull();

    const std::string& Title() const { return title_; }  // caption of every message box
    void SetTitle(const std::string& title) { title_ = title; }

    // The first form created through CreateForm becomes the main form.
    template <class T, class... Args>
    T* CreateForm(Args&&... args) {
        T* form = new T(this, std::forward<Args>(args)...);
        if (!mainForm_) mainForm_ = form;
        return form;
    }
    Form* MainForm() const;
    void SetMainForm(Form* form);
    Form* ActiveForm() const;

    // Shows the main form and handles events until it closes or Terminate is called.
    void Run();
    void Terminate();
    bool Terminated() const { return terminated_; }

    // Handles pending events, waiting a moment for one when none is pending, so wait loops don't spin.
    void ProcessMessages();

    // Inside a catch block: passes the current exception to OnException, or shows its message.
    void HandleException();
    void ShowException(const std::exception& error);
    std::function<void(Component* sender, const std::exception& error)> OnException;

private:
    friend class Form;
    void SetActiveForm(Form* form);
    void FormGone(Form* form);

    std::unique_ptr<QApplication> ownQApp_;
    std::string title_;
    Form* mainForm_ = nullptr;
    Form* activeForm_ = nullptr;
    bool terminated_ = false;
};

namespace detail {
// Called from a catch block at every place where Qt calls our code: no exception leaves a Qt slot.
void HandleCurrentException() noexcept;
// Queues work behind every event posted so far; it runs only if target still exists.
void Post(Component* target, std::function<void()> work);
// Wakes a loop that waits for events.
void WakeUp();
}  // namespace detail

}  // namespace ui
