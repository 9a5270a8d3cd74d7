#pragma once
// TIpv6StaticRouteEditForm: the add form of the IPv6 static route dialog (TIpv6StaticRouteForm). Its editors are
// bound to the dialog's request; its Set creates the route destination.prefix length.interface name.next hop with
// createAndGo, its backup state and, when given, its metric. IPv6 addresses are typed as 32 hex digits.
//
// Rules a caller must know:
// - The default route has the destination of 32 zeros and prefix length 0 (disabled); only the next hop and the
//   metric are checked then.
// - The next hop is never the destination itself.
#include "DialogEditForm.h"

namespace ui {
class Button;
class ComboBox;
class Edit;
}  // namespace ui

class TIpv6StaticRouteEditForm : public TDialogEditForm {
public:
    enum Column { Destination, PrefixLength, InterfaceName, NextHop, Metric, Protocol, RowStatus, BackupState };

    TIpv6StaticRouteEditForm(ui::Form& dialog, DialogTable& table);
    ~TIpv6StaticRouteEditForm() override;

    ui::Edit* edtDst = nullptr;
    ui::Edit* edtPrefix = nullptr;
    ui::Edit* edtInterface = nullptr;
    ui::Edit* edtNextHop = nullptr;
    ui::Edit* edtMetric = nullptr;
    ui::Edit* edtProtocol = nullptr;  // hidden
    ui::ComboBox* cbxStatus = nullptr;
    ui::ComboBox* cbxBackup = nullptr;
    ui::Button* btnSet = nullptr;
    ui::Button* btnClose = nullptr;

    // Shows the form for a route (" (Add)") or for the default route ("(Add default)").
    void ShowForRoute(bool defaultRoute);
    void btnSetClick();

protected:
    void Activated() override;

private:
    bool DestinationPasses();
    bool NextHopPasses();

    bool defaultRoute_ = false;
};

extern TIpv6StaticRouteEditForm* Ipv6StaticRouteEditForm;  // the dialog's add form while it exists, else null
