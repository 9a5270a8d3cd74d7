#pragma once
// TConfigForm: the generic MIB dialog. A command hands it requests over catalogue tables and asks for an editor
// form, a list-view form or a paged form mixing both; the form owns the requests, reads the switch once its
// modal loop runs (the posted message ConfigFormRefreshMessage), re-reads a page when it is shown, and stops and
// frees every request when it closes.
#include "Form.h"
#include "GUIListViewPanel.h"

#include <memory>
#include <string>
#include <vector>

namespace ui {
class PageControl;
class TabSheet;
}  // namespace ui

class NxSNMPRequest2Edits;

// Posted by the constructor; its arrival in the modal loop runs the first read.
inline constexpr unsigned ConfigFormRefreshMessage = ui::WM_APP + 1234;  // 0x84D2

class TConfigForm : public ui::Form {
public:
    enum : uint8_t { ftNone = 0, ftEditor = 1, ftListView = 2, ftPaged = 3 };

    explicit TConfigForm(ui::Component* owner);
    ~TConfigForm() override;

    // Each takes ownership of request.
    TSNMPEditorPanel* CreateEditorPanel(NxSNMPRequest2Edits* request);
    // addValue / deleteValue: the RowStatus option texts; empty for a dialog without Add or Delete.
    TSNMPListViewPanel* CreateListViewPanel(NxSNMPRequest2Edits* request, int addColumn, const std::string& addValue,
                                            int deleteColumn, const std::string& deleteValue);
    void CreatePageControl();
    TSNMPEditorPanel* AddEditorPage(const std::string& caption, NxSNMPRequest2Edits* request);
    TSNMPListViewPanel* AddListViewPage(const std::string& caption, NxSNMPRequest2Edits* request, int addColumn,
                                        const std::string& addValue, int deleteColumn,
                                        const std::string& deleteValue);

    // Reads the current request (the active page's on a paged form).
    void Refresh();
    void Dispatch(ui::Message& message) override;
    // Stops every request, waits for its last answer and frees it; a blocking read under way (this call then runs
    // between two of its rows) is only stopped, and freed with the form.
    void FormClose(ui::Component* sender, ui::CloseAction& action);

    uint8_t FormType = ftNone;
    std::vector<std::unique_ptr<NxSNMPRequest2Edits>> Requests;
    ui::PageControl* PageControl = nullptr;

private:
    void CheckUntyped() const;
    void Adopt(NxSNMPRequest2Edits* request);
    TSNMPEditorPanel* NewEditorPanel(ui::Control* parent, NxSNMPRequest2Edits* request);
    TSNMPListViewPanel* NewListViewPanel(ui::Control* parent, NxSNMPRequest2Edits* request, int addColumn,
                                         const std::string& addValue, int deleteColumn,
                                         const std::string& deleteValue);
    void GrowTo(const ui::Control& control);
    ui::TabSheet* NewSheet(const std::string& caption);
    void FitPage(ui::TabSheet* sheet, const ui::Control& panel);
};
