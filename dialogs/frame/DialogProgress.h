#pragma once
// The timed progress boxes a dialog holds the user in while the switch carries out a slow change (enabling spanning
// tree, changing its version, switching the double VLAN state). The box is created inside the dialog, published in
// its unit's global pointer (ProgressForm, ProgressForm2) while it runs, shown modally until it closes itself and
// freed; the pointer is null again afterwards, an exception included.
//
// A caller that learns meanwhile that the change failed (a refused SET's answer) ends the wait early by closing the
// box through the global pointer (CloseRunningProgress).
#include <string>

class NxSNMPRequest2Controls;
struct NxSNMPError;
namespace ui {
class Form;
}

// TProgressForm: closes on the tick after its bar reached 50; intervalMs is its timer's interval.
void RunProgressForm(ui::Form& dialog, const std::string& caption, const std::string& prompt, int intervalMs);
// TProgressForm2: closes on the first tick that finds its bar at tickBudget (at most 75); one tick a second.
void RunProgressForm2(ui::Form& dialog, const std::string& caption, const std::string& prompt, int tickBudget = 30);
// Closes whichever progress box is running; nothing when none is.
void CloseRunningProgress();
// The result step of a request whose SET a progress box waits for: a refusal ends the running box at once; the
// binding's own report (an error box, or the status line) follows.
void ReportSetEndingProgress(NxSNMPRequest2Controls* sender, const NxSNMPError& result);
