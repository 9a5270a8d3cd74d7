#include "Application.h"

#include "Dialogs.h"
#include "Exception.h"
#include "Form.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QEvent>
#include <QFont>
#include <QThreadPool>
#include <QTimer>
#include <iostream>

namespace ui {

namespace {
Application* instance = nullptr;

// Carries queued work through Qt's event queue, so it keeps its place among posted events.
class WorkEvent : public QEvent {
public:
    static QEvent::Type EventType() {
        static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
        return type;
    }
    WorkEvent(std::weak_ptr<void> life, std::function<void()> work)
        : QEvent(EventType()), life_(std::move(life)), work_(std::move(work)) {}
    void Run() {
        if (life_.expired()) return;
        try {
            work_();
        } catch (...) {
            detail::HandleCurrentException();
        }
    }

private:
    std::weak_ptr<void> life_;
    std::function<void()> work_;
};

class WorkReceiver : public QObject {
public:
    bool event(QEvent* event) override {
        if (event->type() != WorkEvent::EventType()) return QObject::event(event);
        static_cast<WorkEvent*>(event)->Run();
        return true;
    }
};

WorkReceiver& Receiver() {
    static WorkReceiver* receiver = new WorkReceiver;  // lives as long as the process
    return *receiver;
}
}  // namespace

Application::Application(int& argc, char** argv) : Component(nullptr) {
    if (instance) throw Exception("An application object exists already");
    if (!QApplication::instance()) ownQApp_ = std::make_unique<QApplication>(argc, argv);
    // Forms are designed for an 8-point font.
    QFont font = QApplication::font();
    font.setPointSize(8);
    QApplication::setFont(font);
    // Qt's raster painting splits fills taller than about a hundred lines (scroll bars, grid lines) among the
    // global thread pool's threads. For dialog-sized widgets waking them costs more than the fill saves: one
    // worker takes the pieces in turn. Nothing else here uses the pool.
    QThreadPool::globalInstance()->setMaxThreadCount(1);
    instance = this;
}

Application::~Application() {
    // Owned forms go first, while the Qt application still exists.
    while (ComponentCount() > 0) delete Components(ComponentCount() - 1);
    mainForm_ = nullptr;
    activeForm_ = nullptr;
    instance = nullptr;
}

Application& Application::Instance() {
    if (!instance) throw Exception("No application object");
    return *instance;
}

Application* Application::InstanceOrNull() { return instance; }

Form* Application::MainForm() const { return mainForm_; }

void Application::SetMainForm(Form* form) { mainForm_ = form; }

Form* Application::ActiveForm() const { return activeForm_; }

void Application::SetActiveForm(Form* form) { activeForm_ = form; }

void Application::FormGone(Form* form) {
    if (mainForm_ == form) mainForm_ = nullptr;
    if (activeForm_ == form) activeForm_ = nullptr;
}

void Application::Run() {
    if (mainForm_ && !terminated_) mainForm_->Show();
    do {
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    } while (!terminated_);
}

void Application::Terminate() {
    terminated_ = true;
    detail::WakeUp();
}

void Application::ProcessMessages() {
    QTimer wake;
    wake.setSingleShot(true);
    wake.start(1);
    QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
}

void Application::HandleException() {
    try {
        throw;
    } catch (const std::exception& error) {
        if (OnException)
            OnException(this, error);
        else
            ShowException(error);
    } catch (...) {
        const Exception unknown("Unknown exception");
        if (OnException)
            OnException(this, unknown);
        else
            ShowException(unknown);
    }
}

void Application::ShowException(const std::exception& error) {
    MessageBox(nullptr, error.what(), title_, mbOK, mtError);
}

namespace detail {

void HandleCurrentException() noexcept {
    try {
        if (instance) {
            instance->HandleException();
            return;
        }
        throw;
    } catch (const std::exception& error) {
        std::cerr << "Unhandled exception: " << error.what() << '\n';
    } catch (...) {
        std::cerr << "Unhandled exception\n";
    }
}

void Post(Component* target, std::function<void()> work) {
    std::weak_ptr<void> life = target ? target->LifeToken() : std::weak_ptr<void>(std::make_shared<int>(0));
    if (!target) {
        // Untargeted work lives as long as the process.
        static std::shared_ptr<void> always = std::make_shared<int>(0);
        life = always;
    }
    QCoreApplication::postEvent(&Receiver(), new WorkEvent(std::move(life), std::move(work)));
}

void WakeUp() {
    if (auto* dispatcher = QAbstractEventDispatcher::instance()) dispatcher->wakeUp();
}

}  // namespace detail

}  // namespace ui
