#include "Ibpethermaskformunit.h"

#include "CatalogTables.h"

TIBPACLEtherMaskForm* IBPACLEtherMaskForm = nullptr;

TIBPACLEtherMaskForm::TIBPACLEtherMaskForm(ui::Component* owner)
    : TIBPViewForm(owner, {
                              .FormName = "IBPACLEtherMaskForm",
                              .Table = &Oid_acl::E_12_9_2_6_1,
                              .KeyCount = 1,
                              .RefreshName = "BT_Get",
                              .Editors =
                                  {
                                      {"edtID", "Profile ID", "%i{n1x14l2}"},
                                      {"cbxEtherType", "Use Ethernet Type", ""},
                                  },
                          }) {
    BT_Get = RefreshButton;
    edtID = EditorEdit(0);
    cbxEtherType = EditorCombo(1);
}
