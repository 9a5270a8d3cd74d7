#include "Ibpipmaskformunit.h"

#include "CatalogTables.h"

TIBPIPMaskForm* IBPIPMaskForm = nullptr;

TIBPIPMaskForm::TIBPIPMaskForm(ui::Component* owner)
    : TIBPViewForm(owner, {
                              .FormName = "IBPIPMaskForm",
                              .Table = &Oid_acl::E_12_9_2_7_1,
                              .KeyCount = 1,
                              .RefreshName = "BT_Get",
                              .Editors =
                                  {
                                      {"edtID", "Profile ID", "%i{n1x14l2}"},
                                      {"edtSrcMacMask", "Source MAC Address Mask", "%s"},
                                      {"edtSrcIPMask", "Source IP Address Mask", "%s"},
                                  },
                          }) {
    BT_Get = RefreshButton;
    edtID = EditorEdit(0);
    edtSrcMacMask = EditorEdit(1);
    edtSrcIPMask = EditorEdit(2);
}
