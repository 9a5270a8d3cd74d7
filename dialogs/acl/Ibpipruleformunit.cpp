#include "Ibpipruleformunit.h"

#include "CatalogTables.h"

TIBPIPRuleForm* IBPIPRuleForm = nullptr;

TIBPIPRuleForm::TIBPIPRuleForm(ui::Component* owner)
    : TIBPViewForm(owner, {
                              .FormName = "IBPIPRuleForm",
                              .Table = &Oid_acl::E_12_9_3_6_1,
                              .KeyCount = 2,
                              .RefreshName = "btnRefresh",
                              .Editors =
                                  {
                                      {"edtMaskID", "Mask ID", "%i{n1x14}"},
                                      {"edtAccessID", "Access ID", "%i{n1x128}"},
                                      {"edtSrcMac", "MAC Address", "%s"},
                                      {"edtSrcIP", "IP Address", "%s"},
                                      {"cbxPermit", "Permit", ""},
                                  },
                              .PortColumn = 5,
                          }) {
    btnRefresh = RefreshButton;
    edtMaskID = EditorEdit(0);
    edtAccessID = EditorEdit(1);
    edtSrcMac = EditorEdit(2);
    edtSrcIP = EditorEdit(3);
    cbxPermit = EditorCombo(4);
}
