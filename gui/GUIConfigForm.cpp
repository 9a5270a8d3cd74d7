#include "GUIConfigForm.h"

#include "Application.h"
#include "Exception.h"
#include "ListView.h"
#include "NxSNMPRequest2Edits.h"

TConfigForm::TConfigForm(ui::Component* owner) : ui::Form(owner) {
    SetCaption("ConfigForm");
    SetBounds(Left(), Top(), 159, 105);
    ui::Font font = Font();
    font.Name = "MS Sans Serif";
    font.Height = -11;
    SetFont(font);
    SetPosition(ui::poMainFormCenter);
    OnClose = [this](ui::Component* sender, ui::CloseAction& action) { FormClose(sender, action); };
    ui::PostMessage(this, ConfigFormRefreshMessage, 0, 0);
}

TConfigForm::~TConfigForm() {
    // The requests go before the panels whose controls they are bound to.
    Requests.clear();
}

void TConfigForm::CheckUntyped() const {
    if (FormType != ftNone) throw Exception("Can not change Type of a Config Form!");
}

void TConfigForm::Adopt(NxSNMPRequest2Edits* request) { Requests.emplace_back(request); }

void TConfigForm::GrowTo(const ui::Control& control) {
    if (ClientWidth() < control.Width()) SetClientWidth(control.Width());
    if (ClientHeight() < control.Height()) SetClientHeight(control.Height());
}

TSNMPEditorPanel* TConfigForm::NewEditorPanel(ui::Control* parent, NxSNMPRequest2Edits* request) {
    Adopt(request);
    auto* panel = new TSNMPEditorPanel(parent, request);
    panel->PlaceOnForm(this);
    return panel;
}

TSNMPListViewPanel* TConfigForm::NewListViewPanel(ui::Control* parent, NxSNMPRequest2Edits* request, int addColumn,
                                                  const std::string& addValue, int deleteColumn,
                                                  const std::string& deleteValue) {
    Adopt(request);
    auto* panel = new TSNMPListViewPanel(parent, request);
    panel->PlaceOnForm(this);
    if (!addValue.empty()) panel->SetAddStatus(addColumn, addValue);
    if (!deleteValue.empty()) panel->SetDeleteStatus(deleteColumn, deleteValue);
    return panel;
}

TSNMPEditorPanel* TConfigForm::CreateEditorPanel(NxSNMPRequest2Edits* request) {
    CheckUntyped();
    FormType = ftEditor;
    TSNMPEditorPanel* panel = NewEditorPanel(this, request);
    GrowTo(*panel);
    return panel;
}

TSNMPListViewPanel* TConfigForm::CreateListViewPanel(NxSNMPRequest2Edits* request, int addColumn,
                                                     const std::string& addValue, int deleteColumn,
                                                     const std::string& deleteValue) {
    CheckUntyped();
    FormType = ftListView;
    TSNMPListViewPanel* panel = NewListViewPanel(this, request, addColumn, addValue, deleteColumn, deleteValue);
    GrowTo(*panel);
    return panel;
}

void TConfigForm::CreatePageControl() {
    CheckUntyped();
    FormType = ftPaged;
    PageControl = new ui::PageControl(this);
    PageControl->SetParent(this);
    PageControl->SetMultiLine(true);
    PageControl->OnChange = [this](ui::Component*) { Refresh(); };
}

ui::TabSheet* TConfigForm::NewSheet(const std::string& caption) {
    auto* sheet = new ui::TabSheet(PageControl);
    sheet->SetCaption(caption);
    sheet->SetTag(PageControl->PageCount());
    sheet->SetAlign(ui::alNone);
    sheet->SetPageControl(PageControl);
    return sheet;
}

// Sheet at least as large as its panel, the page control at least as large as its sheets and the form's client
// area at least as large as the page control; nothing shrinks.
void TConfigForm::FitPage(ui::TabSheet* sheet, const ui::Control& panel) {
    if (sheet->Width() < panel.Width()) sheet->SetWidth(panel.Width());
    if (sheet->Height() < panel.Height()) sheet->SetHeight(panel.Height());
    // The page control's frame and tab row around the page.
    const ui::Rect area = PageControl->AlignRect();
    const int frameWidth = PageControl->Width() - area.Width();
    const int frameHeight = PageControl->Height() - area.Height();
    if (PageControl->Width() < sheet->Width() + frameWidth) PageControl->SetWidth(sheet->Width() + frameWidth);
    if (PageControl->Height() < sheet->Height() + frameHeight) PageControl->SetHeight(sheet->Height() + frameHeight);
    sheet->SetAlign(ui::alClient);
    GrowTo(*PageControl);
    PageControl->SetAlign(ui::alClient);
}

TSNMPEditorPanel* TConfigForm::AddEditorPage(const std::string& caption, NxSNMPRequest2Edits* request) {
    if (FormType != ftPaged) throw Exception("Can not add editor page to a none-page pannel!");
    ui::TabSheet* sheet = NewSheet(caption);
    TSNMPEditorPanel* panel = NewEditorPanel(sheet, request);
    PageControl->SetAlign(ui::alNone);
    FitPage(sheet, *panel);
    return panel;
}

TSNMPListViewPanel* TConfigForm::AddListViewPage(const std::string& caption, NxSNMPRequest2Edits* request,
                                                 int addColumn, const std::string& addValue, int deleteColumn,
                                                 const std::string& deleteValue) {
    if (FormType != ftPaged) throw Exception("Can not add listview page to a none-page pannel!");
    ui::TabSheet* sheet = NewSheet(caption);
    PageControl->SetAlign(ui::alNone);
    TSNMPListViewPanel* panel = NewListViewPanel(sheet, request, addColumn, addValue, deleteColumn, deleteValue);
    FitPage(sheet, *panel);
    return panel;
}

void TConfigForm::Refresh() {
    NxSNMPRequest2Edits* request = nullptr;
    switch (FormType) {
    case ftNone:
        return;
    case ftEditor:
    case ftListView:
        if (!Requests.empty()) request = Requests.front().get();
        break;
    case ftPaged: {
        if (!PageControl || PageControl->PageCount() == 0 || !PageControl->ActivePage()) return;
        const int index = PageControl->ActivePage()->Tag();
        if (index >= 0 && index < static_cast<int>(Requests.size())) request = Requests[static_cast<size_t>(index)].get();
        break;
    }
    default:
        throw Exception("Refresh a Form with unknown Form Type!");
    }
    // After FormClose the requests are gone: a late page change reads nothing.
    if (!request) return;
    request->Request.Active = 1;
    try {
        request->Get();
    } catch (const std::exception& error) {
        request->ShowStatus(error.what());
    }
}

void TConfigForm::Dispatch(ui::Message& message) {
    if (message.Msg == ConfigFormRefreshMessage) {
        Refresh();
        return;
    }
    ui::Form::Dispatch(message);
}

void TConfigForm::FormClose(ui::Component*, ui::CloseAction&) {
    std::vector<std::unique_ptr<NxSNMPRequest2Edits>> reading;
    for (auto& request : Requests) {
        request->Request.Active = 0;
        // A blocking read under way lies further down this very call stack (a walk lets events run between rows):
        // waiting for it would never end. Stopped, it ends at its next step; it goes with the form.
        if (request->Busy && request->Mode == NxSNMPRequest2Controls::ModeSync) {
            reading.push_back(std::move(request));
            continue;
        }
        while (request->Busy) ui::Application::Instance().ProcessMessages();
        request.reset();
    }
    Requests = std::move(reading);
}
