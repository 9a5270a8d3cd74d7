#pragma once
// TIpv6StaticRouteForm: the switch's static IPv6 routes (keyed by destination, prefix length, interface name and
// next hop), with the add form TIpv6StaticRouteEditForm. Rows are created with createAndGo and removed with
// destroy; routes are not changed in place. Reads asynchronously without a get-complete flag: Add, Add Default and
// Delete answer "Get data not complete" while a read runs, so the list shows the table once.
#include "DedicatedForm.h"

namespace ui {
class Button;
class ListView;
class StaticText;
}  // namespace ui

class TIpv6StaticRouteEditForm;

class TIpv6StaticRouteForm : public TDedicatedForm {
public:
    explicit TIpv6StaticRouteForm(ui::Component* owner);

    ui::ListView* ListView1 = nullptr;
    ui::StaticText* StaticText1 = nullptr;
    ui::Button* btnGet = nullptr;
    ui::Button* btnAdd = nullptr;
    ui::Button* btnAddDefault = nullptr;
    ui::Button* btnDelete = nullptr;
    ui::Button* btnClose = nullptr;

    DialogTable& RouteTable;
    TIpv6StaticRouteEditForm* EditForm = nullptr;

    void FormCreate(ui::Component* sender) override;
    void btnGetClick();
    void btnDeleteClick();

private:
    void ShowAddForm(bool defaultRoute);
};

extern TIpv6StaticRouteForm* Ipv6StaticRouteForm;  // the open dialog, else null
