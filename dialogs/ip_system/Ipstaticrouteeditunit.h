#pragma once
// TIpStaticRouteEditForm: the add form of the IPv4 static route dialog (TIpStaticRouteForm). Its editors are bound
// to the dialog's request; its Set creates the route destination.mask.next hop with the status "valid" and, when
// given, the backup state and the metric.
//
// Rules a caller must know:
// - A route to 0.0.0.0 is the default route: Add asks the user to use "Add Default Route" and sends nothing;
//   the default-route form shows destination and mask 0.0.0.0, disabled, and checks the next hop only.
// - The next hop is never 0.0.0.0 nor the address the switch is managed by.
#include "DialogEditForm.h"

namespace ui {
class Button;
class ComboBox;
class Edit;
}  // namespace ui

class TIpStaticRouteEditForm : public TDialogEditForm {
public:
    enum Column { Destination, Mask, NextHop, BackupState, Metric, Status };
    // The status column's values.
    static constexpr int Invalid = 2;
    static constexpr int Valid = 3;

    TIpStaticRouteEditForm(ui::Form& dialog, DialogTable& table);
    ~TIpStaticRouteEditForm() override;

    ui::Edit* DesEdit = nullptr;
    ui::Edit* MaskEdit = nullptr;
    ui::Edit* NextHopEdit = nullptr;
    ui::ComboBox* BakeupComboBox = nullptr;
    ui::Edit* MetricEdit = nullptr;
    ui::ComboBox* cbxStatus = nullptr;
    ui::Button* SetButton = nullptr;
    ui::Button* CloseButton = nullptr;

    // Shows the form for a route (title " (Add)") or for the default route (" (Add Default Route)").
    void ShowForRoute(bool defaultRoute);
    void SetButtonClick();

protected:
    void Activated() override;

private:
    bool RouteChecksPass();
    bool DestinationPasses();
    bool MaskPasses();
    bool NextHopPasses();

    bool defaultRoute_ = false;
};

extern TIpStaticRouteEditForm* IpStaticRouteEditForm;  // the dialog's add form while it exists, else null
