#include "NxSNMPSession.h"

#include "BootCounter.h"
#include "Exception.h"
#include "NxSNMPError.h"
#include "NxUtils.h"

#include <QSocketNotifier>
#include <QTimer>

snmp::Session* GlobalSnmpSession = nullptr;
SnmpEventProcessor* GlobalSnmpEventProcessor = nullptr;
NxSNMPDevice DefaultSNMPDevice;
NxSNMPScope DefaultSNMPScope;
NxSNMPSecurity DefaultSNMPSecurity;
int32_t DefaultSNMPTimeout = 0;

namespace {

constexpr int PumpIntervalMs = 20;

[[noreturn]] void raise(int code) { throw Exception(NxSNMPErrorText(code), code); }

// The count of this start: one more than the file held (0 when it has no line or does not exist yet).
uint32_t countThisStart(const std::string& path) {
    uint32_t boots = 0;
    const int loaded = snmp::GetBootCounter(path, SnmpLocalEngineId, boots);
    if (loaded != snmp::BootCounterOk && loaded != snmp::BootCounterNoEntry && loaded != snmp::BootCounterOpenError)
        raise(NxErrLoadBootCounter);
    if (snmp::SaveBootCounter(path, SnmpLocalEngineId, boots + 1) != snmp::BootCounterOk)
        raise(NxErrSaveBootCounter);
    return boots + 1;
}

} // namespace

// ------------------------------------------------------------------------------------------------ event pump

SnmpEventProcessor::SnmpEventProcessor() : timer_(std::make_unique<QTimer>()) {
    timer_->setInterval(PumpIntervalMs);
    QObject::connect(timer_.get(), &QTimer::timeout, [this] { Tick(); });
}

SnmpEventProcessor::~SnmpEventProcessor() {
    Stop();
    notifiers_.clear();
    timer_.reset();
    if (GlobalSnmpSession) {
        GlobalSnmpSession->SetSocketsChangedHandler(nullptr);
        GlobalSnmpSession->SetExchangeStartedHandler(nullptr);
    }
}

int SnmpEventProcessor::Interval() const { return timer_->interval(); }

bool SnmpEventProcessor::IsTimerActive() const { return timer_->isActive(); }

bool SnmpEventProcessor::HasWork() const { return GlobalSnmpSession && GlobalSnmpSession->Outstanding() > 0; }

void SnmpEventProcessor::Start() {
    started_ = true;
    if (GlobalSnmpSession) {
        GlobalSnmpSession->SetSocketsChangedHandler([this] {
            if (!ticking_) {
                WatchSockets();
                return;
            }
            // A notifier must not be deleted inside its own activation: off now, rebuilt after the tick.
            socketsChanged_ = true;
            SetNotifiersEnabled(false);
        });
        GlobalSnmpSession->SetExchangeStartedHandler([this] {
            if (started_ && !ticking_ && !timer_->isActive())
                timer_->start();
        });
    }
    if (!ticking_)
        Resume();
}

void SnmpEventProcessor::Stop() {
    started_ = false;
    timer_->stop();
    SetNotifiersEnabled(false);
}

void SnmpEventProcessor::Tick() { Tick(-1); }

void SnmpEventProcessor::Tick(int readableSocket) {
    if (ticking_) {
        Pause();  // a nested message loop inside a completion: stay quiet until the outer tick ends
        return;
    }
    ticking_ = true;
    try {
        if (GlobalSnmpSession)
            GlobalSnmpSession->ProcessPendingEvents(readableSocket);
    } catch (...) {
        if (OnException)
            OnException(std::current_exception());
    }
    ticking_ = false;
    if (!started_)
        return;
    if (paused_ || socketsChanged_) {
        Resume();
    } else if (!HasWork()) {
        timer_->stop();
    } else if (!timer_->isActive()) {
        timer_->start();
    }
}

void SnmpEventProcessor::Pause() {
    paused_ = true;
    timer_->stop();
    SetNotifiersEnabled(false);
}

void SnmpEventProcessor::Resume() {
    paused_ = false;
    WatchSockets();
    SetNotifiersEnabled(true);
    if (HasWork())
        timer_->start();
    else
        timer_->stop();
}

void SnmpEventProcessor::SetNotifiersEnabled(bool enabled) {
    for (auto& n : notifiers_)
        if (n->isEnabled() != enabled)
            n->setEnabled(enabled);
}

// One read notifier per session socket, rebuilt when the session's sockets change.
void SnmpEventProcessor::WatchSockets() {
    socketsChanged_ = false;
    const std::vector<int> sockets = GlobalSnmpSession ? GlobalSnmpSession->Sockets() : std::vector<int>{};
    if (sockets == watched_)
        return;
    notifiers_.clear();
    watched_ = sockets;
    for (int fd : sockets) {
        auto n = std::make_unique<QSocketNotifier>(static_cast<qintptr>(fd), QSocketNotifier::Read);
        n->setEnabled(started_ && !ticking_ && !paused_);
        QObject::connect(n.get(), &QSocketNotifier::activated, [this, fd] { Tick(fd); });
        notifiers_.push_back(std::move(n));
    }
}

// ------------------------------------------------------------------------------------------------ module

void NxSNMPSessionStartup() {
    if (!GlobalSnmpEventProcessor)
        GlobalSnmpEventProcessor = new SnmpEventProcessor();
    DefaultSNMPDevice = {};
    DefaultSNMPScope = {};
    DefaultSNMPSecurity = {};
    DefaultSNMPTimeout = 0;
}

void NxSNMPSessionExit() {
    delete GlobalSnmpEventProcessor;
    GlobalSnmpEventProcessor = nullptr;
    DefaultSNMPDevice = {};
    DefaultSNMPScope = {};
    DefaultSNMPSecurity = {};
}

void ResetSnmpDefaults() {
    DefaultSNMPDevice.Address = "127.0.0.1";
    DefaultSNMPDevice.Port = 161;
    DefaultSNMPScope = {};
    NxSNMPSecurity& s = DefaultSNMPSecurity;
    s.Version = 0;
    s.ReadCommunity = "tundra";
    s.WriteCommunity = "harbour";
    s.SecurityModel = 1;
    s.SecurityLevel = 1;
    s.SecurityName.clear();
    s.AuthPassword.clear();
    s.PrivPassword.clear();
    s.AuthProtocol = 1;
    s.PrivProtocol = 1;
    DefaultSNMPTimeout = 100;
}

void CreateGlobalSnmpSession(const std::string& directory) {
    // The program creates the session once; a later call reuses it.
    if (!GlobalSnmpSession) {
        int status = 0;
        GlobalSnmpSession = new snmp::Session(status);
        if (status != 0)
            raise(NxErrCreateSession);
    }
    const uint32_t boots = countThisStart(JoinPath(directory, SnmpBootCounterFileName));
    GlobalSnmpSession->MpInit(SnmpLocalEngineId, boots);
    ResetSnmpDefaults();
    if (!GlobalSnmpEventProcessor)
        GlobalSnmpEventProcessor = new SnmpEventProcessor();
    GlobalSnmpEventProcessor->Start();
}
