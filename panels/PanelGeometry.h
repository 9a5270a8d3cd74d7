#pragma once
// Where everything of a front-panel view sits. One table per model (PanelGeometry.cpp) gives its ports, combo
// ports, LED groups and sizes; the layout made from it places the port buttons and LED panels of the view and is
// what the drawn front-panel picture shows, so the picture, the buttons and the LEDs always agree.
#include <string>
#include <vector>

namespace panels {

enum Medium { mdCopper = 1, mdFibre = 2 };
enum class LedMap { System, Port, OtherPort, Grey };

struct Box {
    int Left = 0, Top = 0, Width = 0, Height = 0;
    int Right() const { return Left + Width; }
    int Bottom() const { return Top + Height; }
};

// One LED panel and the LEDs placed in it (i-th LED at Start + i x (Gap + LedWidth), top 0).
struct LedGroup {
    std::string Panel;
    std::vector<int> Octets;   // first LED octet of each LED
    std::vector<int> Ports;    // the unit port of each LED; 0 for a system LED
    LedMap Map = LedMap::Port;
    int Start = 0, Gap = 0, LedWidth = 6, LedHeight = 6;
    Box Bounds;                // the panel, in the view's client area
    std::string Label;         // drawn beside a system LED
    std::string OctetList() const;  // "3,5,7"
};

// A front connector as the picture draws it.
struct Connector {
    int Port = 0;
    int Medium = mdCopper;
    int Button = 0;            // SpeedButton number (1-based); 0 for a connector without a button
    Box Bounds;
    Box Label;                 // where its port number is printed; empty for a module slot (it prints its own)
};

// A combo port: one LED that shows at one of its two connectors.
struct ComboPort {
    int Port = 0;
    int Octet = 0;
    LedGroup ComboPanel;       // Combo<k>Panel
    LedGroup PortPanel;        // Port<q>Panel
    bool ProbedIsComboPanel = true;  // the probed connector's LED panel is Combo<k>Panel
};

struct PanelGeometry {
    std::string Model;          // "QSW-2126"
    std::string ClassName;      // "TPanelQSW2126Form"
    int ClientWidth = 800, ClientHeight = 90;
    int SystemLedCount = 3;     // single-octet LEDs at the start of the LED string
    int ProbeMedium = mdFibre;
    bool HasButtons = true;
    int UnitPictureList = 1;    // 1: ImageList1 (picture unit - 1); 2: ImageList2 (unit modulo 12); 0: none
    Box UnitPicture;            // Panel1 (Image2 inside it), or Image2 itself without a panel
    bool UnitPicturePanel = true;
    Box PoeToggle;              // Image3 of the PoE model; empty elsewhere
    std::vector<Connector> Connectors;   // buttons in button order first, then connectors without one
    std::vector<LedGroup> SystemLeds;
    std::vector<LedGroup> PortLeds;      // LedPanel1.. rows, or one panel per port
    std::vector<ComboPort> Combos;
    std::vector<LedGroup> LedOnlyPorts;
    std::vector<Box> Vents;              // free space the picture fills with vent slots

    int ButtonCount() const;
    const Connector& ButtonConnector(int button) const;  // 1-based
};

// The ten models, in the main window's order of model names.
const std::vector<std::string>& PanelModelNames();
// The geometry of a model ("QSW-2126P"); raises Exception for an unknown model.
const PanelGeometry& GeometryOf(const std::string& model);
// The global port number of port p of stack unit u.
inline int GlobalPortNumber(int unit, int port) { return (unit - 1) * 64 + port; }
// A port button's hint: global port number, a full stop and the medium digit ("21.2").
std::string PortHint(int unit, int port, int medium);

}  // namespace panels
