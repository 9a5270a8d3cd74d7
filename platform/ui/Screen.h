#pragma once
// The screen: resolution and the dialog scale factor derived from it.
namespace ui {

class Screen {
public:
    static int PixelsPerInch();     // logical dots per inch (TestHooks may override)
    static double ScaleFactor();    // 1.0 at 96 dots per inch, 1.25 otherwise
    static int Width();
    static int Height();
};

}  // namespace ui
