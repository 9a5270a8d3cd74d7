#include "Ibpetherruleformunit.h"

#include "CatalogTables.h"

TIBPEtherRuleForm* IBPEtherRuleForm = nullptr;

TIBPEtherRuleForm::TIBPEtherRuleForm(ui::Component* owner)
    : TIBPViewForm(owner, {
                              .FormName = "IBPEtherRuleForm",
                              .Table = &Oid_acl::E_12_9_3_5_1,
                              .KeyCount = 2,
                              .RefreshName = "btnRefresh",
                              .Editors =
                                  {
                                      {"edtMaskID", "Mask ID", "%i{n1x14}"},
                                      {"edtAccessID", "Access ID", "%i{n1x128}"},
                                      {"edtRuleType", "Rule Type", "%s"},
                                      {"cbxPermit", "Permit", ""},
                                  },
                              .PortColumn = 4,
                          }) {
    btnRefresh = RefreshButton;
    edtMaskID = EditorEdit(0);
    edtAccessID = EditorEdit(1);
    edtRuleType = EditorEdit(2);
    cbxPermit = EditorCombo(3);
}
