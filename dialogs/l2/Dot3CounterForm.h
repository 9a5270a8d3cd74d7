#pragma once
// TDot3CounterForm: what the two EtherLike dialogs (the pause table and the MAC control table) share. The ports in
// a list view; for the port clicked its frame counters in a small Name/Value list, read again by an interval timer
// ("none", "2s", "5s", "10s", "30s", "1m"); the table request asynchronous with a get-complete flag.
//
// Rules a caller must know:
// - The counter request gets the clicked port's index as instance and is synchronous from then on; before any port
//   was clicked a tick reads nothing. A counter read that yields no row says "Get data not completed!", stops the
//   timer and empties the values (ResetCounterView).
// - Refresh does nothing until the current walk has ended; it resets the counter view. After every walk the
//   dialog's editors are enabled again (its TableGetDone).
// - Closing is never refused; the timer stops first.
#include "DedicatedForm.h"

#include <string>
#include <vector>

namespace ui {
class Button;
class ComboBox;
class ListView;
class StaticText;
class Timer;
}  // namespace ui

class TDot3CounterForm : public TDedicatedForm {
public:
    ui::ListView* ListView1 = nullptr;
    ui::ListView* ListView2 = nullptr;  // Name / Value
    ui::ListView* lvChart = nullptr;    // hidden: the counter request's row
    ui::ComboBox* cbxInterval = nullptr;
    ui::Timer* Timer1 = nullptr;
    ui::StaticText* StaticText1 = nullptr;
    ui::Button* btnGet = nullptr;
    ui::Button* btnClose = nullptr;

    DialogTable& TableRequest() { return *table_; }
    DialogTable& CounterRequest() { return *counters_; }

    // The counter view's initial state: timer off, interval "none", values empty, the dialog's editors reset.
    void ResetCounterView();
    void Timer1Timer();

protected:
    struct Layout {
        const char* Name;
        int Width;
        int Height;
        const CatalogTable* Table;
        const CatalogTable* Counters;
        std::vector<std::string> CounterNames;  // the rows of ListView2
        int NameWidth;
        bool CountersCloseFirst;
    };

    TDot3CounterForm(ui::Component* owner, const Layout& layout);
    // Builds the list views, the interval row and the Close button (after the dialog's own buttons); the dialog's
    // editors go on the editor panel afterwards.
    void BuildCounterArea();
    void FormCreate(ui::Component* sender) override;
    void RowSelectionChanged(bool selected) override;

    virtual void BindEditors(DialogRequest& request) = 0;
    virtual void ResetEditors() = 0;
    virtual void EnableEditors() = 0;

private:
    void btnGetClick();
    void cbxIntervalChange();
    void ReadCounters(const std::string& portIndex);
    void ShowCounterValues();

    Layout layout_;
    DialogTable* table_ = nullptr;
    DialogTable* counters_ = nullptr;
    bool portChosen_ = false;  // the counter request has a port's instance
};
