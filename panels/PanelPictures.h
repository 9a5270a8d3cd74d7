#pragma once
// The pictures of the front-panel views, drawn by our own code: the front panel of each model (from its geometry,
// encoded as JPEG once per model and decoded again through the JPEG decoder the views load pictures with), the
// RJ-45 and SFP glyphs of the port buttons, the unit-number pictures of the main window's image lists and the
// small port-state pictures of the port-picture view.
#include "Graphics.h"
#include "PanelGeometry.h"

#include <QImage>
#include <string>

namespace panels {

// The front panel as drawn, before JPEG encoding.
QImage DrawFrontPanel(const PanelGeometry& geometry);
// The front panel as the views show it: drawn, encoded as JPEG and decoded; made once per model.
const QImage& FrontPanelPicture(const std::string& model);

// Glyph of a port button for its medium, as large as the button.
ui::Bitmap PortGlyph(int medium, int width, int height);

// 16 x 16 pictures side by side, one per text, for an image list: ImageList1 shows 1 to 13 and F, ImageList2
// shows 12, 1, 2, ..., 11.
ui::Bitmap UnitNumberStrip(const std::vector<std::string>& texts);
ui::Bitmap UnitPictures1();
ui::Bitmap UnitPictures2();

// A small port-state picture (green or orange).
ui::Bitmap PortStatePicture(bool green, int width, int height);

}  // namespace panels
