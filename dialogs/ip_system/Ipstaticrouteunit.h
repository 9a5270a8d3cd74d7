#pragma once
// TIpStaticRouteForm: the switch's static IPv4 routes (keyed by destination, mask and next hop), with the add form
// TIpStaticRouteEditForm. A route is created by writing its status "valid" and removed by writing "invalid";
// routes are not changed in place. Reads asynchronously and keeps a get-complete flag: Add, Add Default Route,
// Delete and closing answer "Get data not complete" until the walk has ended.
#include "DedicatedForm.h"

namespace ui {
class Button;
class ListView;
class StaticText;
}  // namespace ui

class TIpStaticRouteEditForm;

class TIpStaticRouteForm : public TDedicatedForm {
public:
    explicit TIpStaticRouteForm(ui::Component* owner);

    ui::ListView* ListView1 = nullptr;
    ui::StaticText* StaticText1 = nullptr;
    ui::Button* GetButton = nullptr;
    ui::Button* AddButton = nullptr;
    ui::Button* btnDefaultRoute = nullptr;  // the default button
    ui::Button* DeleteButton = nullptr;
    ui::Button* CloseButton = nullptr;

    DialogTable& RouteTable;
    TIpStaticRouteEditForm* EditForm = nullptr;

    void FormCreate(ui::Component* sender) override;
    void GetButtonClick();
    void AddButtonClick();
    void btnDefaultRouteClick();
    void DeleteButtonClick();

private:
    void ShowAddForm(bool defaultRoute);
};

extern TIpStaticRouteForm* IpStaticRouteForm;  // the open dialog, else null
