#pragma once
// The view class of a model name.
#include "PanelForm.h"

// A new view of the model ("QSW-2150"), owned by owner; null for a model that has no view.
TPanelForm* NewPanelForm(const std::string& model, ui::Component* owner, TPanelHost& host);
