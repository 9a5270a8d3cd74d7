#pragma once
// A generic command row as the generic dialog's description: its tables, kind, caption and extras.
#include "CommandEngine.h"
#include "GUIGenericDialog.h"

// The description of a scalars editor, table list (with or without Add/Delete), tabbed or port row editor row.
// Raises Exception for a row without a catalogue table.
GenericDialogRecipe GenericDialogRecipeFor(const GenericDialogRequest& request);

// The engine's runner: builds, shows and frees the dialog of a request.
void RunGenericCommandDialog(const GenericDialogRequest& request);

// The checker function of a row's text check; null for TextCheck::None.
NxTextChecker TextCheckerOf(TextCheck check);
