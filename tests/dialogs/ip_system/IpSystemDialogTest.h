#pragma once
// What the IP and system dialogs' tests share: instances of text keys, the varbinds a logged SET carries, and the
// add/edit form driven in its own modal loop.
#include "DedicatedDialogFixture.h"

#include "Form.h"
#include "TestHooks.h"

#include <functional>
#include <string>
#include <vector>

namespace ipsystemtest {

// The instance arcs of a counted text key ("ab" -> "2.97.98").
inline std::string TextInstance(const std::string& text) {
    std::string instance = std::to_string(text.size());
    for (unsigned char c : text) instance += "." + std::to_string(c);
    return instance;
}

// The varbinds of a logged PDU line with entry's prefix cut off ("3.2.97.98=INTEGER:1").
inline std::vector<std::string> ColumnVarbinds(const std::string& pdu, const std::string& entry) {
    std::vector<std::string> varbinds;
    for (const std::string& varbind : simdialog::Varbinds(pdu))
        if (varbind.rfind(entry + ".", 0) == 0) varbinds.push_back(varbind.substr(entry.size() + 1));
    return varbinds;
}

// Runs driver on the next modal form (an add/edit form shown by a click) inside its loop; true when it ran.
template <typename Form>
void OnNextModal(bool& ran, std::function<void(Form&)> driver) {
    ran = false;
    ui::TestHooks::RunInNextModal([&ran, driver = std::move(driver)](ui::Form& shown) {
        auto* form = dynamic_cast<Form*>(&shown);
        ASSERT_NE(form, nullptr);
        ran = true;
        driver(*form);
        if (form->ModalResult() == ui::mrNone) form->Close();
    });
}

}  // namespace ipsystemtest
