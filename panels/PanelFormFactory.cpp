#include "PanelFormFactory.h"

#include "PanelQSW2126FormUnit.h"
#include "PanelQSW2126GFormUnit.h"
#include "PanelQSW2126PFormUnit.h"
#include "PanelQSW2127FormUnit.h"
#include "PanelQSW2150FormUnit.h"
#include "PanelQSW2312FormUnit.h"
#include "PanelQSW2312GFormUnit.h"
#include "PanelQSW2327FormUnit.h"
#include "PanelQSW2327GFormUnit.h"
#include "PanelQSW2350FormUnit.h"

#include <functional>
#include <map>

TPanelForm* NewPanelForm(const std::string& model, ui::Component* owner, TPanelHost& host) {
    using Maker = std::function<TPanelForm*(ui::Component*, TPanelHost&)>;
    static const std::map<std::string, Maker> makers = {
        {"QSW-2327", [](ui::Component* o, TPanelHost& h) -> TPanelForm* { return new TPanelQSW2327Form(o, h); }},
        {"QSW-2327G", [](ui::Component* o, TPanelHost& h) -> TPanelForm* { return new TPanelQSW2327GForm(o, h); }},
        {"QSW-2350", [](ui::Component* o, TPanelHost& h) -> TPanelForm* { return new TPanelQSW2350Form(o, h); }},
        {"QSW-2126", [](ui::Component* o, TPanelHost& h) -> TPanelForm* { return new TPanelQSW2126Form(o, h); }},
        {"QSW-2127", [](ui::Component* o, TPanelHost& h) -> TPanelForm* { return new TPanelQSW2127Form(o, h); }},
        {"QSW-2150", [](ui::Component* o, TPanelHost& h) -> TPanelForm* { return new TPanelQSW2150Form(o, h); }},
        {"QSW-2126P", [](ui::Component* o, TPanelHost& h) -> TPanelForm* { return new TPanelQSW2126PForm(o, h); }},
        {"QSW-2312G", [](ui::Component* o, TPanelHost& h) -> TPanelForm* { return new TPanelQSW2312GForm(o, h); }},
        {"QSW-2312", [](ui::Component* o, TPanelHost& h) -> TPanelForm* { return new TPanelQSW2312Form(o, h); }},
        {"QSW-2126G", [](ui::Component* o, TPanelHost& h) -> TPanelForm* { return new TPanelQSW2126GForm(o, h); }},
    };
    const auto found = makers.find(model);
    return found == makers.end() ? nullptr : found->second(owner, host);
}
