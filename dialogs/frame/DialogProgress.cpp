#include "DialogProgress.h"

#include "ExtCtrls.h"
#include "NxSNMPRequest2Controls.h"
#include "ProgressForm2Unit.h"
#include "ProgressFormUnit.h"
#include "StdCtrls.h"

#include <memory>

namespace {

// Publishes box in pointer while it is shown and frees it afterwards.
template <typename Box>
void RunBox(std::unique_ptr<Box> box, Box*& pointer, const std::string& caption, const std::string& prompt) {
    struct Unpublish {
        Box*& pointer;
        ~Unpublish() { pointer = nullptr; }
    } unpublish{pointer};
    pointer = box.get();
    box->SetCaption(caption);
    box->LB_Prompt->SetCaption(prompt);
    box->ShowModal();
}

}  // namespace

void RunProgressForm(ui::Form& dialog, const std::string& caption, const std::string& prompt, int intervalMs) {
    auto box = std::make_unique<TProgressForm>(nullptr, &dialog);
    box->ProgressTimer->SetInterval(intervalMs);
    RunBox(std::move(box), ProgressForm, caption, prompt);
}

void RunProgressForm2(ui::Form& dialog, const std::string& caption, const std::string& prompt, int tickBudget) {
    auto box = std::make_unique<TProgressForm2>(nullptr, &dialog);
    box->TickBudget = tickBudget;
    RunBox(std::move(box), ProgressForm2, caption, prompt);
}

void CloseRunningProgress() {
    if (ProgressForm) ProgressForm->Close();
    if (ProgressForm2) ProgressForm2->Close();
}

void ReportSetEndingProgress(NxSNMPRequest2Controls* sender, const NxSNMPError& result) {
    if (result.Code != 0) CloseRunningProgress();
    sender->ReportSetError(result);
}
