#pragma once
// A generic command row as the generic dialog's description: its tables, kind, caption and extras.
#include "CommandEngine.h"
#include "GUIGenericDialog.h"

// The description of a scalars editor, table list (with or without Add/Delete), tabbed or port row editor row.
// Raises Exception for a table label the catalogue does not hold or a checker the module does not know.
GenericDialogRecipe GenericDialogRecipeFor(const GenericDialogRequest& request);

// The engine's runner: builds, shows and frees the dialog of a request.
void RunGenericCommandDialog(const GenericDialogRequest& request);

// A text checker by its name, or null.
NxTextChecker TextCheckerNamed(const char* name);
