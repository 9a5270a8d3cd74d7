#pragma once
// The frame both timed progress boxes share.
#include "ExtCtrls.h"
#include "Form.h"
#include "StdCtrls.h"

// Makes form the "Progress" dialog box (358 x 66) and gives it a bold prompt label at promptLeft/Top.
ui::Label* BuildProgressBox(ui::Form& form, int promptLeft, int promptTop);
// Shows form inside parentForm, centred in its client area; nothing for a null parentForm.
void PlaceInside(ui::Form& form, ui::Form* parentForm);
// Stops the timer and takes the box out of the dialog it showed in.
void EndProgressBox(ui::Form& form, ui::Timer& timer);
