#include "PanelGeometry.h"

#include "Exception.h"

#include <map>
#include <utility>

namespace panels {
namespace {

struct LedSize {
    int Width, Height, Start;
};

// What distinguishes the models; the layout below turns it into positions.
struct ModelLayout {
    const char* Model;
    const char* ClassName;
    int ClientWidth, ClientHeight;
    int FrontPorts;
    int FrontMedium;
    int FirstCombo;                            // the four combo ports start here
    std::vector<int> LedOnly;                  // ports with an LED and no button
    LedMap LedOnlyMap;
    int SystemLeds;                            // 3, or 5 on the PoE model
    LedSize System;
    std::vector<std::pair<int, int>> Rows;     // port ranges of LedPanel1..; empty: one panel per port
    LedSize Row;
    int Gap;
    LedSize Combo;                             // Combo<k>Panel start; Port<q>Panel start below
    int ComboPortStart;
    LedSize LedOnlySize;
    int ProbeMedium;
    bool HasButtons;
    int UnitPictureList;
};

const std::vector<ModelLayout>& ModelLayouts() {
    static const std::vector<ModelLayout> models = {
        {"QSW-2327", "TPanelQSW2327Form", 800, 89, 24, mdCopper, 21, {25, 26, 27}, LedMap::OtherPort, 3,
         {7, 7, 0}, {{1, 12}, {13, 20}}, {6, 6, 1}, 7, {6, 6, 0}, 1, {6, 6, 1}, mdFibre, true, 1},
        {"QSW-2327G", "TPanelQSW2327GForm", 800, 90, 24, mdFibre, 21, {25, 26, 27}, LedMap::OtherPort, 3,
         {7, 7, 0}, {{1, 8}, {9, 16}, {17, 20}}, {6, 6, 1}, 7, {6, 6, 0}, 1, {6, 6, 1}, mdFibre, true, 1},
        {"QSW-2350", "TPanelQSW2350Form", 800, 90, 48, mdCopper, 45, {49, 50}, LedMap::OtherPort, 3,
         {7, 7, 0}, {{1, 16}, {17, 32}, {33, 44}}, {6, 6, 0}, 7, {6, 6, 0}, 1, {6, 6, 1}, mdFibre, true, 1},
        {"QSW-2126", "TPanelQSW2126Form", 800, 90, 24, mdCopper, 21, {25, 26}, LedMap::OtherPort, 3,
         {6, 6, 1}, {{1, 12}, {13, 20}}, {6, 6, 1}, 7, {6, 6, 0}, 1, {6, 6, 1}, mdFibre, true, 1},
        {"QSW-2127", "TPanelQSW2127Form", 800, 89, 24, mdCopper, 21, {25, 26, 27}, LedMap::OtherPort, 3,
         {6, 6, 1}, {{1, 12}, {13, 20}}, {6, 6, 1}, 7, {6, 6, 0}, 1, {6, 6, 1}, mdFibre, true, 1},
        {"QSW-2150", "TPanelQSW2150Form", 800, 90, 48, mdCopper, 45, {49, 50}, LedMap::OtherPort, 3,
         {6, 6, 1}, {{1, 16}, {17, 32}, {33, 44}}, {6, 6, 0}, 7, {6, 6, 0}, 1, {6, 6, 1}, mdFibre, true, 1},
        {"QSW-2126P", "TPanelQSW2126PForm", 800, 89, 24, mdCopper, 21, {25, 26}, LedMap::OtherPort, 5,
         {6, 6, 1}, {{1, 12}, {13, 20}}, {6, 6, 1}, 7, {6, 6, 0}, 1, {6, 6, 1}, mdFibre, true, 1},
        {"QSW-2312G", "TPanelQSW2312GForm", 800, 90, 12, mdFibre, 9, {}, LedMap::OtherPort, 3,
         {7, 7, 0}, {}, {6, 6, 0}, 7, {6, 6, 0}, 0, {6, 6, 0}, mdFibre, true, 0},
        {"QSW-2312", "TPanelQSW2312Form", 791, 86, 12, mdCopper, 9, {}, LedMap::OtherPort, 3,
         {7, 7, 0}, {}, {6, 6, 0}, 7, {6, 6, 0}, 0, {6, 6, 0}, mdFibre, true, 0},
        {"QSW-2126G", "TPanelQSW2126GForm", 800, 90, 24, mdFibre, 21, {25, 26}, LedMap::Grey, 3,
         {5, 5, 0}, {{1, 8}, {9, 16}, {17, 20}}, {6, 4, 1}, 10, {6, 4, 0}, 0, {5, 5, 0}, mdCopper, false, 2},
    };
    return models;
}

const char* const SystemLedLabels[] = {"PWR", "CON", "RPS", "LINK", "PoE"};
const char* const SystemLedPanels[] = {"PowerLedPanel", "ConsoleLedPanel", "RPSPanel", "LinkLedPanel", "POELedPanel"};

int PortOctet(const ModelLayout& recipe, int port) { return recipe.SystemLeds + 2 * (port - 1); }

LedGroup MakeGroup(const std::string& panel, LedMap map, const LedSize& size, int gap, int left, int top) {
    LedGroup group;
    group.Panel = panel;
    group.Map = map;
    group.Start = size.Start;
    group.Gap = gap;
    group.LedWidth = size.Width;
    group.LedHeight = size.Height;
    group.Bounds = {left, top, 0, 0};
    return group;
}

void AddLed(LedGroup& group, int octet, int port) {
    group.Octets.push_back(octet);
    group.Ports.push_back(port);
    const int count = static_cast<int>(group.Octets.size());
    group.Bounds.Width = 2 * group.Start + count * group.LedWidth + (count - 1) * group.Gap;
    group.Bounds.Height = group.LedHeight + (group.Start > 0 ? 1 : 0);
}

// Port grid: odd ports on the upper row, even ports below, columns in groups of six.
struct GridLayout {
    int Left, Pitch, GroupGap, ButtonWidth, ButtonHeight, UpperTop, LowerTop;
    int ComboLeft, ComboPitch, ComboWidth;
    int LedOnlyLeft;

    Box PortBox(int index) const {  // index from 0 in grid order
        const int column = index / 2;
        const int left = Left + column * Pitch + (column / 6) * GroupGap;
        return {left, index % 2 == 0 ? UpperTop : LowerTop, ButtonWidth, ButtonHeight};
    }
    Box ComboBox(int k) const {     // k from 0
        return {ComboLeft + (k / 2) * ComboPitch, k % 2 == 0 ? UpperTop : LowerTop, ComboWidth, ButtonHeight};
    }
};

GridLayout GridFor(int frontPorts) {
    if (frontPorts >= 48) return {296, 17, 5, 16, 16, 22, 50, 728, 26, 22, 0};
    if (frontPorts >= 24) return {300, 26, 8, 22, 18, 21, 53, 634, 30, 26, 708};
    return {300, 32, 12, 26, 18, 21, 53, 520, 34, 28, 0};
}

constexpr int LabelHeight = 9;     // a port number in the 7-point print
constexpr int LabelMinWidth = 14;  // "45F"
constexpr int LabelOverhang = 4;   // a label may reach this far past its connector on each side

// The port number's place over an upper-row connector, or under a lower-row one.
Box LabelBox(const Box& connector, bool upper) {
    return {connector.Left - LabelOverhang, upper ? connector.Top - LabelHeight - 1 : connector.Bottom() + 1,
            connector.Width + 2 * LabelOverhang, LabelHeight};
}

// Whether the port number still fits beside an LED at the connector's left edge.
bool LabelFitsBesideLed(const Box& connector, const LedGroup& group) {
    return connector.Width + LabelOverhang - (group.Bounds.Width + 1) >= LabelMinWidth;
}

// An LED panel beside a connector: above an upper-row connector, below a lower-row one. At the connector's left
// edge with the port number to its right; where the connector is too narrow for both, beyond the port number.
Box LedBesideConnector(const Box& connector, const GridLayout& grid, const LedGroup& group) {
    const bool upper = connector.Top == grid.UpperTop;
    const int width = group.Bounds.Width, height = group.Bounds.Height;
    if (LabelFitsBesideLed(connector, group))
        return {connector.Left + 1, upper ? connector.Top - height - 3 : connector.Bottom() + 3, width, height};
    const Box label = LabelBox(connector, upper);
    return {connector.Left + (connector.Width - width) / 2, upper ? label.Top - height - 1 : label.Bottom() + 1,
            width, height};
}

// Port numbers: over or under the connector, to the right of an LED that shares the place.
void PlaceLabels(PanelGeometry& g) {
    std::vector<Box> leds;
    for (const LedGroup& led : g.PortLeds) leds.push_back(led.Bounds);
    for (const ComboPort& combo : g.Combos) {
        leds.push_back(combo.ComboPanel.Bounds);
        leds.push_back(combo.PortPanel.Bounds);
    }
    for (Connector& c : g.Connectors) {
        if (c.Medium == 0) continue;
        Box label = LabelBox(c.Bounds, c.Bounds.Top < g.ClientHeight / 2 - 4);
        for (const Box& led : leds) {
            const bool shares = led.Left < label.Right() && label.Left < led.Right() && led.Top < label.Bottom() &&
                                label.Top < led.Bottom();
            if (!shares) continue;
            const int left = led.Right() + 1;
            label = {left, label.Top, label.Right() - left, label.Height};
        }
        c.Label = label;
    }
}

PanelGeometry Layout(const ModelLayout& recipe) {
    PanelGeometry g;
    g.Model = recipe.Model;
    g.ClassName = recipe.ClassName;
    g.ClientWidth = recipe.ClientWidth;
    g.ClientHeight = recipe.ClientHeight;
    g.SystemLedCount = recipe.SystemLeds;
    g.ProbeMedium = recipe.ProbeMedium;
    g.HasButtons = recipe.HasButtons;
    g.UnitPictureList = recipe.UnitPictureList;
    g.UnitPicturePanel = recipe.UnitPictureList == 1;
    if (recipe.UnitPictureList == 1) g.UnitPicture = {12, 48, 26, 26};
    if (recipe.UnitPictureList == 2) g.UnitPicture = {16, 52, 17, 16};
    if (recipe.SystemLeds == 5) g.PoeToggle = {92, 60, 23, 23};

    const GridLayout grid = GridFor(recipe.FrontPorts);
    const int otherMedium = recipe.FrontMedium == mdCopper ? mdFibre : mdCopper;

    // Connectors and buttons: the front ports, then the other connectors of the combo ports.
    int button = 0;
    for (int p = 1; p <= recipe.FrontPorts; ++p)
        g.Connectors.push_back({p, recipe.FrontMedium, recipe.HasButtons ? ++button : 0, grid.PortBox(p - 1), {}});
    for (int k = 0; k < 4; ++k)
        g.Connectors.push_back({recipe.FirstCombo + k, otherMedium, recipe.HasButtons ? ++button : 0, grid.ComboBox(k), {}});

    // System LEDs: one column at the left.
    for (int i = 0; i < recipe.SystemLeds; ++i) {
        LedGroup led = MakeGroup(SystemLedPanels[i], LedMap::System, recipe.System, 0, 46, 9 + i * 14);
        led.Label = SystemLedLabels[i];
        AddLed(led, i, 0);
        g.SystemLeds.push_back(led);
    }

    // Port LEDs: rows in the LED block, or one panel beside each connector.
    if (!recipe.Rows.empty()) {
        for (size_t r = 0; r < recipe.Rows.size(); ++r) {
            LedGroup row = MakeGroup("LedPanel" + std::to_string(r + 1), LedMap::Port, recipe.Row, recipe.Gap, 92,
                                     20 + static_cast<int>(r) * 22);
            for (int p = recipe.Rows[r].first; p <= recipe.Rows[r].second; ++p) AddLed(row, PortOctet(recipe, p), p);
            g.PortLeds.push_back(row);
        }
    } else {
        for (int p = 1; p < recipe.FirstCombo; ++p) {
            LedGroup led = MakeGroup("Port" + std::to_string(p) + "Panel", LedMap::Port, recipe.Row, 0, 0, 0);
            AddLed(led, PortOctet(recipe, p), p);
            led.Bounds = LedBesideConnector(g.Connectors[static_cast<size_t>(p - 1)].Bounds, grid, led);
            g.PortLeds.push_back(led);
        }
    }

    // Combo ports: an LED panel beside each of the two connectors.
    for (int k = 0; k < 4; ++k) {
        const int port = recipe.FirstCombo + k;
        ComboPort combo;
        combo.Port = port;
        combo.Octet = PortOctet(recipe, port);
        combo.ComboPanel = MakeGroup("Combo" + std::to_string(k + 1) + "Panel", LedMap::Port, recipe.Combo, 0, 0, 0);
        AddLed(combo.ComboPanel, combo.Octet, port);
        combo.ComboPanel.Bounds = LedBesideConnector(grid.ComboBox(k), grid, combo.ComboPanel);
        LedSize portSize = recipe.Combo;
        portSize.Start = recipe.ComboPortStart;
        combo.PortPanel = MakeGroup("Port" + std::to_string(port) + "Panel", LedMap::Port, portSize, 0, 0, 0);
        AddLed(combo.PortPanel, combo.Octet, port);
        combo.PortPanel.Bounds = LedBesideConnector(grid.PortBox(port - 1), grid, combo.PortPanel);
        // The probed connector: fibre (Combo<k>Panel in the copper models, Port<q>Panel in the fibre ones);
        // the copper connector, Combo<k>Panel, in the model that probes copper.
        combo.ProbedIsComboPanel = recipe.ProbeMedium == mdCopper || recipe.FrontMedium == mdCopper;
        g.Combos.push_back(combo);
    }

    // LED-only ports: beside the combo block (24-port models) or in the LED block (48-port models).
    for (size_t i = 0; i < recipe.LedOnly.size(); ++i) {
        const int port = recipe.LedOnly[i];
        LedGroup led = MakeGroup("Port" + std::to_string(port) + "Panel", recipe.LedOnlyMap, recipe.LedOnlySize, 0, 0, 0);
        AddLed(led, PortOctet(recipe, port), port);
        Box connector;
        if (grid.LedOnlyLeft > 0) {
            connector = {grid.LedOnlyLeft + static_cast<int>(i) * 30, 30, 26, 30};
            led.Bounds.Left = connector.Left + (connector.Width - led.Bounds.Width) / 2;
            led.Bounds.Top = 18;
        } else {
            connector = {248 + static_cast<int>(i) * 22, 66, 18, 14};
            led.Bounds.Left = connector.Left + (connector.Width - led.Bounds.Width) / 2;
            led.Bounds.Top = 57;
        }
        g.Connectors.push_back({port, 0, 0, connector, {}});
        g.LedOnlyPorts.push_back(led);
    }

    PlaceLabels(g);

    // Vent slots fill what is left at the right.
    int usedRight = grid.ComboBox(3).Right();
    for (const Connector& c : g.Connectors) usedRight = std::max(usedRight, c.Bounds.Right());
    if (recipe.ClientWidth - usedRight > 40) g.Vents.push_back({usedRight + 20, 14, recipe.ClientWidth - usedRight - 32, recipe.ClientHeight - 28});
    return g;
}

}  // namespace

std::string LedGroup::OctetList() const {
    std::string text;
    for (size_t i = 0; i < Octets.size(); ++i) text += (i ? "," : "") + std::to_string(Octets[i]);
    return text;
}

int PanelGeometry::ButtonCount() const {
    int count = 0;
    for (const Connector& c : Connectors) count += c.Button > 0 ? 1 : 0;
    return count;
}

const Connector& PanelGeometry::ButtonConnector(int button) const {
    for (const Connector& c : Connectors)
        if (c.Button == button) return c;
    throw Exception("No port button " + std::to_string(button) + " on " + Model);
}

const std::vector<std::string>& PanelModelNames() {
    static const std::vector<std::string> names = [] {
        std::vector<std::string> list;
        for (const ModelLayout& recipe : ModelLayouts()) list.push_back(recipe.Model);
        return list;
    }();
    return names;
}

const PanelGeometry& GeometryOf(const std::string& model) {
    static const std::map<std::string, PanelGeometry> layouts = [] {
        std::map<std::string, PanelGeometry> all;
        for (const ModelLayout& recipe : ModelLayouts()) all.emplace(recipe.Model, Layout(recipe));
        return all;
    }();
    const auto found = layouts.find(model);
    if (found == layouts.end()) throw Exception("No front panel for the model " + model);
    return found->second;
}

std::string PortHint(int unit, int port, int medium) {
    return std::to_string(GlobalPortNumber(unit, port)) + "." + std::to_string(medium);
}

}  // namespace panels
