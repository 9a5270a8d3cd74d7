#pragma once
// TPanelForm: what the ten front-panel views share. A view is a borderless form showing its model's front panel:
// the drawn picture, one port button per front connector (hint "port.medium"), LED shapes in small panels coloured
// from one polled LED octet string, and the unit-number picture. Its model's geometry (PanelGeometry) places all
// of it. The model units (PanelQSW2126FormUnit, ...) only choose the geometry and add what their model has more.
#include "Form.h"
#include "PanelGeometry.h"
#include "PanelHost.h"
#include "NxSNMPVar.h"

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace ui {
class Image;
class Panel;
class SpeedButton;
}  // namespace ui

class NxSNMPRequest2Controls;
class NxSNMPRequest2Edits;
class NxSNMPRequest2Leds;
class NxSNMPLedColorMapList;

namespace ui {
class Label;
class SpeedButton;
}  // namespace ui

// A table of the catalogue by its label; raises Exception when it is missing.
MibObjectTable PanelCatalogTable(const char* label);

class TPanelForm : public ui::Form {
public:
    TPanelForm(ui::Component* owner, TPanelHost& host, const std::string& model);
    ~TPanelForm() override;

    // Combo probe, LED request, LED shapes, start of polling. Called once, after UnitNumber is set.
    virtual void InitPanelLeds();
    // Hints, registration of the buttons with the main window, unit picture. Called once after InitPanelLeds.
    virtual void InitPortButtons();
    // The close handler: stops polling, waits until each request is idle, frees it; the view frees itself.
    virtual void FormClose(ui::Component* sender, ui::CloseAction& action);

    const panels::PanelGeometry& Geometry() const { return geometry_; }
    // A component of the view by name ("SpeedButton3", "LedPanel1"), or null.
    ui::Component* FindComponent(const std::string& name) const;
    ui::Panel* LedPanel(const std::string& name) const;
    ui::SpeedButton* PortButton(int number) const;  // 1-based

    int UnitNumber = 1;
    NxSNMPRequest2Leds* LedRequest = nullptr;
    NxSNMPRequest2Edits* ComboProbeRequest = nullptr;
    uint8_t ComboFlags[4] = {0, 0, 0, 0};

    ui::Image* Image1 = nullptr;
    ui::Panel* Panel1 = nullptr;
    ui::Image* Image2 = nullptr;
    ui::Label* ST_ComboPortLinkStatus = nullptr;

protected:
    TPanelHost& Host() const { return host_; }
    // The LED panels of one LED set; the PoE view has a second set whose names end in "_Poe".
    void CreateLedPanels(const std::string& suffix);
    // Steps of InitPanelLeds the PoE and port-picture views reuse.
    void ProbeComboPorts();        // an exception clears the four combo flags
    void RunComboProbe();          // the probe itself; raises what it meets
    std::unique_ptr<NxSNMPRequest2Leds> NewLedRequest();
    // Assigns the LED variable of this unit (device or stack-unit LED column) to a request.
    void AssignLedVariable(NxSNMPRequest2Controls& request) const;
    void AddLedGroup(NxSNMPRequest2Leds& request, const panels::LedGroup& group, const std::string& suffix,
                     NxSNMPLedColorMapList* map) const;
    void AddSystemAndPortLeds(NxSNMPRequest2Leds& request, const std::string& suffix, bool otherPortRows) const;
    void AddComboLeds(NxSNMPRequest2Leds& request, const std::string& suffix) const;
    void AddLedOnlyLeds(NxSNMPRequest2Leds& request, const std::string& suffix) const;
    void DrawUnitPicture();
    static NxSNMPLedColorMapList* ColorMap(panels::LedMap map);
    // Clears Active, waits (processing messages) while the request is busy, then frees it and nulls the member.
    template <class Request> static void StopAndFree(Request*& member);

private:
    void CreateControls();
    void CreatePortButtons();

    TPanelHost& host_;
    const panels::PanelGeometry& geometry_;
    std::vector<ui::SpeedButton*> buttons_;
};
