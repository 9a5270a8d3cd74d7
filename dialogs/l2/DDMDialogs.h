#pragma once
// Transceiver diagnostics (DDM) under 1.3.6.1.4.1.32473.12.72: four dialog functions, each a generic TConfigForm
// built at run time (RuntimeDialog.h) that reads the switch when its modal loop starts and is freed when it ends.
// Settings: the trap and log switches, written at instance .0. Status: the readings per port, read-only.
// Thresholds: alarm and warning limits per port and reading. Port management: DDM state and shutdown action.
//
// The agent keeps thresholds in thousandths. The threshold dialog shows them divided by 1,000 with three decimals
// (3600 as "3.600") in its editors and its Edit dialog, while the list keeps the agent's texts; a write sends the
// edited value times 1,000, or the agent's own text when the value was not edited. A threshold with no value
// (-1, or not an integer) shows "-"; such a column is left out of the write, never sent as "-".
//
// The four tables are described in OutsideTables.h; their option lists are filled by CatalogStartup.
#include "NxSNMPRequest2Edits.h"

#include <string>
#include <vector>

void ShowDDMSettingsDialog(const std::string& deviceAddress, float scaleFactor);
void ShowDDMStatusTableDialog(const std::string& deviceAddress, float scaleFactor);
void ShowDDMThresholdManagementTableDialog(const std::string& deviceAddress, float scaleFactor);
void ShowDDMPortManagementTableDialog(const std::string& deviceAddress, float scaleFactor);

// The table request of the threshold dialog: editors get the thresholds in units, writes send thousandths.
class NewRequest2EditsForDDMThreshold : public NxSNMPRequest2Edits {
public:
    explicit NewRequest2EditsForDDMThreshold(ui::Form* owner);

    static constexpr int FirstThresholdColumn = 2;  // High Alarm; the last column is Low Warning

protected:
    void ListViewSelectItem(ui::Component* sender, ui::ListItem* item, bool selected) override;
    void BeforeGet() override;
    void BeforeSet() override;
    void AfterSet() override;

private:
    void RestoreLeftOut();

    std::vector<std::string> agentTexts_;  // the selected row's thresholds as the agent sent them
    std::vector<int> leftOut_;             // columns this request marked invalid for the write under way
};

// Rewrites the threshold columns of request's values as shown in the editors.
void FormatThresholdValues(NxSNMPRequest2Edits& request);
// A threshold in thousandths as shown: "3600" gives "3.600", "-5000" gives "-5.000"; "-" for -1 or a text that is
// not a decimal integer.
std::string ThresholdToDisplay(const std::string& agentText);
// A shown threshold back in thousandths ("3.6" gives "3600"); empty for "-" or an empty text. Raises Exception
// naming caption for any other text that is not a number with at most three decimals.
std::string ThresholdToAgent(const std::string& shown, const std::string& caption);
