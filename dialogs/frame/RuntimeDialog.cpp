#include "RuntimeDialog.h"

#include "Application.h"
#include "GUIConfigForm.h"
#include "NxSNMPRequest2Edits.h"

std::unique_ptr<TConfigForm> BuildRuntimeDialog(const RuntimeDialogRecipe& recipe, const std::string& deviceAddress,
                                                float scaleFactor) {
    auto form = std::make_unique<TConfigForm>(ui::Application::InstanceOrNull());
    std::unique_ptr<NxSNMPRequest2Edits> request =
        recipe.NewRequest ? recipe.NewRequest(*form) : std::make_unique<NxSNMPRequest2Edits>(form.get());
    request->Request.Vars = NxSNMPVarList(recipe.Table, recipe.Kind, recipe.KeyCount);
    if (recipe.Panel == RuntimePanel::Editor) {
        form->CreateEditorPanel(request.release());
    } else {
        form->CreateListViewPanel(request.release(), -1, "", -1, "");
        if (recipe.DesignHeight > 0) form->SetHeight(static_cast<int>(recipe.DesignHeight * scaleFactor));
    }
    form->SetCaption(recipe.Title + ": " + deviceAddress);
    return form;
}

void ShowRuntimeDialog(const RuntimeDialogRecipe& recipe, const std::string& deviceAddress, float scaleFactor) {
    std::unique_ptr<TConfigForm> form = BuildRuntimeDialog(recipe, deviceAddress, scaleFactor);
    form->ShowModal();
}
