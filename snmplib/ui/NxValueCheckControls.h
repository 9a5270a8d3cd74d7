#pragma once
// The value checkers on controls: each reads the control's text (an edit's, a combo box's or a label's) and gives
// true when it is acceptable; none shows a message. NormalizeHexWordText also writes the 4-digit form back.
#include "NxValueCheck.h"

namespace ui { class Control; }

// A checker given with an edit format (decides a "Z" format) or called by a dialog.
using NxTextChecker = bool (*)(ui::Control* control);

bool CheckIpText(ui::Control* control);
bool CheckMulticastIpText(ui::Control* control);
bool CheckIpv6HexText(ui::Control* control);
bool CheckMacText(ui::Control* control);
bool CheckMulticastMacText(ui::Control* control);
bool CheckUnicastMacText(ui::Control* control);
bool CheckNetmaskText(ui::Control* control);
bool NormalizeHexWordText(ui::Control* control);

// The text a control shows: an edit's or memo's text, a combo box's text, a label's caption, a check box's or
// button's caption; the empty text for null or another class.
std::string ControlText(const ui::Control* control);
// Puts text into a control of those classes; other classes are left alone.
void SetControlText(ui::Control* control, const std::string& text);
