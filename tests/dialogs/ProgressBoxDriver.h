#pragma once
// Drives the timed progress box a dialog shows (TProgressForm, TProgressForm2) from inside its modal loop, tick by
// tick, instead of its own timer (stopped while the test drives), and records what the box showed.
#include "ProgressForm2Unit.h"
#include "ProgressFormUnit.h"
#include "TestHooks.h"

#include <functional>
#include <string>

namespace dialogtest {

struct ProgressRun {
    bool Shown = false;
    bool Published = false;  // the box stood in its global pointer while shown
    std::string Caption;
    std::string Prompt;
    bool TimerRunning = false;  // its own timer was counting when it showed
    int Interval = 0;           // of its own timer, ms
    int TickBudget = 0;         // TProgressForm2's
    int Ticks = 0;           // ticks given before the box closed
    int ClosedOnTick = 0;    // 0: closed by something else than a tick (or not within the ticks given)
    bool ClosedItself = false;  // closed by a tick or by the dialog, not by the driver's fallback close
};

// The next modal loop must be a progress box's: beforeTicks runs first (to let answers arrive, say), then up to
// maxTicks ticks until the box closes; a box still open then is closed by the driver (ClosedItself stays false).
inline void DriveNextProgressBox(ProgressRun& run, int maxTicks, std::function<void()> beforeTicks = {}) {
    ui::TestHooks::RunInNextModal([&run, maxTicks, beforeTicks = std::move(beforeTicks)](ui::Form& shown) {
        auto* box = dynamic_cast<ProgressFormBase*>(&shown);
        if (!box) {
            shown.Close();
            return;
        }
        run.Shown = true;
        run.Published = ProgressForm == box || ProgressForm2 == box;
        run.Caption = box->Caption();
        run.Prompt = box->LB_Prompt->Caption();
        run.TimerRunning = box->ProgressTimer->Enabled();
        run.Interval = box->ProgressTimer->Interval();
        if (auto* box2 = dynamic_cast<TProgressForm2*>(box)) run.TickBudget = box2->TickBudget;
        box->ProgressTimer->SetEnabled(false);  // the test gives the ticks
        if (beforeTicks) beforeTicks();
        while (box->ModalResult() == ui::mrNone && run.Ticks < maxTicks) {
            box->ProgressTimer->OnTimer(box->ProgressTimer);
            ++run.Ticks;
            if (box->ModalResult() != ui::mrNone) run.ClosedOnTick = run.Ticks;
        }
        run.ClosedItself = box->ModalResult() != ui::mrNone;
        if (!run.ClosedItself) box->Close();
    });
}

// Takes back a driver that no modal loop used (the step showed no box); true when there was one.
inline bool TakeUnusedModalDriver() { return static_cast<bool>(ui::TestHooks::TakeModalDriver()); }

}  // namespace dialogtest
