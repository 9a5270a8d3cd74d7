// Control bindings: values into every kind of control and back, part and bit bindings, the binding errors, the
// hooked handlers (kept, chained, given back), the list view filled by a walk and its row selection, and a Set of
// what the user changed, checked in the simulator's PDU log.
#include "NxSNMPRequest2Edits.h"

#include "BindingTestSupport.h"
#include "ComCtrls.h"
#include "Exception.h"
#include "ListView.h"
#include "StdCtrls.h"
#include "TestHooks.h"
#include "TestTables.h"

#include <QAbstractItemView>
#include <QTest>

#include <algorithm>

namespace {

using namespace bindtest;

// A list of one variable of the given syntax and access, with a value.
const NxSNMPVar kOneOctetString[] = {{"1.3.6.1.4.1.32473.99.3.1", "Bits", sxOctetStr, readwrite, nullptr}, {}};
const NxSNMPVar kOneBitList[] = {{"1.3.6.1.4.1.32473.99.3.2", "Ports", sxBitList, readwrite, nullptr}, {}};
const NxSNMPVar kOneAddress[] = {{"1.3.6.1.4.1.32473.99.3.3", "Address", sxIpAddress, readwrite, nullptr}, {}};
const NxSNMPVar kOneBoolean[] = {{"1.3.6.1.4.1.32473.99.3.4", "On", sxBoolean, readwrite, nullptr}, {}};
const NxSNMPVar kOneState[] = {{"1.3.6.1.4.1.32473.99.3.5", "State", sxInteger, readwrite, &StateOptions}, {}};
const NxSNMPVar kOneInteger[] = {{"1.3.6.1.4.1.32473.99.3.6", "Number", sxInteger, readwrite, nullptr}, {}};

constexpr NxOptionPair kPrefixPairs[] = {NxOptionPair::Str("ab", "XY"), NxOptionPair::End()};

class EditsTest : public FormTest {
protected:
    void SetUp() override {
        FormTest::SetUp();
        request = std::make_unique<NxSNMPRequest2Edits>(form);
    }
    void TearDown() override {
        request.reset();
        FormTest::TearDown();
    }
    void Use(const NxSNMPVar* table, const std::string& value, NxVarListKind kind = SVT_SV) {
        request->Request.Vars = NxSNMPVarList(table, kind, 0);
        Value(0) = value;
    }
    std::string& Value(int i) { return request->Request.Vars.GetVar(i)->Value; }
    static int Code(const std::function<void()>& action) {
        try {
            action();
        } catch (const Exception& e) {
            return e.HelpContext;
        }
        return 0;
    }

    std::unique_ptr<NxSNMPRequest2Edits> request;
};

// ---------------------------------------------------------------------------------------------- values

TEST_F(EditsTest, PortListEditShowsNumbersAndReadsBackAgainstTheValue) {
    Use(kOneBitList, "F0800000");
    auto* edit = Make<ui::Edit>();
    request->BindEdit(0, "%s", edit);
    request->DataToControls(-1);
    EXPECT_EQ(edit->Text(), "1-4,9");
    edit->SetText("1-4,10");
    request->ControlsToData(-1);
    EXPECT_EQ(Value(0), "F0400000");
    for (const char* typed : {"1-x", "1x", "33", "0"}) {  // not a port list: refused, the value stays
        edit->SetText(typed);
        EXPECT_EQ(Code([&] { request->ControlsToData(-1); }), NxErrBadPartValue) << typed;
        EXPECT_EQ(Value(0), "F0400000");
    }
}

TEST_F(EditsTest, PortListTypedWithoutAValueReachesTheHighestPortInWholeOctets) {
    Use(kOneBitList, "F0800000");
    auto* edit = Make<ui::Edit>();
    request->BindEdit(0, "%s", edit);
    edit->SetText("1-3,12");
    Value(0) = "";  // what a Set from the controls starts from when no row is selected (an Add)
    request->ControlsToData(-1);
    EXPECT_EQ(Value(0), "E010");
    Value(0) = "(NULL)";
    edit->SetText("9");
    request->ControlsToData(-1);
    EXPECT_EQ(Value(0), "0080");
    // The stack's last port is the highest a new row's list reaches; a number beyond it is refused before a mask of
    // its size is built.
    Value(0) = "";
    edit->SetText("768");
    request->ControlsToData(-1);
    EXPECT_EQ(Value(0), std::string(190, '0') + "01");
    for (const char* typed : {"769", "1-769", "999999999", "5,0000000000000000000001000"}) {
        Value(0) = "";
        edit->SetText(typed);
        EXPECT_EQ(Code([&] { request->ControlsToData(-1); }), NxErrBadPartValue) << typed;
        EXPECT_EQ(Value(0), "") << typed;
    }
}

TEST_F(EditsTest, CheckBoxesShowAndSetBitsFromTheTopBitOfTheFirstOctet) {
    Use(kOneOctetString, "A0");
    std::vector<ui::CheckBox*> boxes;
    for (int i = 0; i < 8; ++i) boxes.push_back(Make<ui::CheckBox>(20 * i));
    boxes[5]->SetEnabled(false);
    request->BindCheckBoxes(0, "0,1,2,3,4,5,6,7", boxes);
    request->DataToControls(-1);
    for (int i = 0; i < 8; ++i) EXPECT_EQ(boxes[i]->Checked(), i == 0 || i == 2) << i;
    EXPECT_FALSE(boxes[5]->Enabled());
    boxes[0]->SetChecked(false);
    boxes[7]->SetChecked(true);
    request->ControlsToData(-1);
    EXPECT_EQ(Value(0), "21");
}

TEST_F(EditsTest, ABitBeyondTheValueRaisesMinus519) {
    Use(kOneOctetString, "A0");
    std::vector<ui::CheckBox*> boxes = {Make<ui::CheckBox>(), Make<ui::CheckBox>(20)};
    request->BindCheckBoxes(0, "0,9", boxes);
    EXPECT_EQ(Code([&] { request->DataToControls(0); }), NxErrPartOutOfRange);
}

TEST_F(EditsTest, BitsBeyondAShorterValueShowClearWhenAskedAndAreWrittenBack) {
    struct Case {
        const char* value;
        bool first;           // bit 0
        const char* written;  // bit 9 ticked
    } cases[] = {{"", false, "0040"}, {"(NULL)", false, "0040"}, {"A0", true, "A040"}, {"A0C0", true, "A0C0"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        Use(kOneOctetString, c.value);
        std::vector<ui::CheckBox*> boxes = {Make<ui::CheckBox>(), Make<ui::CheckBox>(20)};
        request->BindCheckBoxes(0, "0,9", boxes);
        request->ShowMissingBitsClear(0);
        request->DataToControls(0);
        EXPECT_EQ(boxes[0]->Checked(), c.first);
        EXPECT_EQ(boxes[1]->Checked(), std::string(c.value) == "A0C0");
        boxes[1]->SetChecked(true);
        request->ControlsToData(0);
        EXPECT_EQ(Value(0), c.written);
        request->Unbind(0);
    }
}

TEST_F(EditsTest, PartBindingsShowAndRewriteTheirOctetsInPlace) {
    Use(kOneOctetString, "01020304");
    auto* word = Make<ui::Edit>();
    auto* first = Make<ui::ComboBox>(30);
    request->BindPartEdit(0, 1, sxUInt16, nullptr, "%u", word);
    request->BindPartControl(0, 0, sxUInt8, &StateOptions, first);
    request->DataToControls(-1);
    EXPECT_EQ(word->Text(), "515");
    EXPECT_EQ(first->Text(), "enabled");
    word->SetText("1");
    first->SetItemIndex(1);  // disabled, 2
    request->ControlsToData(-1);
    EXPECT_EQ(Value(0), "02000104");
}

TEST_F(EditsTest, AddressInFourEditsLeavesNullAloneAndReadsWholeNumbersOnly) {
    Use(kOneAddress, "(NULL)");
    std::vector<ui::Edit*> edits;
    for (int i = 0; i < 4; ++i) edits.push_back(Make<ui::Edit>(25 * i));
    for (ui::Edit* e : edits) e->SetText("x");
    request->BindEdit(0, "%s%s%s%s", edits);
    ASSERT_EQ(request->Bindings.size(), 1u);
    EXPECT_EQ(request->Bindings[0]->Count, 4);
    request->DataToControls(-1);
    for (ui::Edit* e : edits) EXPECT_EQ(e->Text(), "x");
    Value(0) = "10.0.0.1";
    request->DataToControls(-1);
    EXPECT_EQ(edits[0]->Text(), "10");
    EXPECT_EQ(edits[3]->Text(), "1");
    edits[0]->SetText("010");
    edits[1]->SetText("0");
    edits[2]->SetText(" 0");
    edits[3]->SetText("2");
    request->ControlsToData(-1);
    EXPECT_EQ(Value(0), "10.0.0.2");
    for (const char* part : {"", "300", "1a", "-1"}) {
        edits[2]->SetText(part);
        try {
            request->ControlsToData(-1);
            ADD_FAILURE() << part << " must be refused";
        } catch (const Exception& e) {
            EXPECT_EQ(e.HelpContext, NxErrBadPartValue) << part;
            EXPECT_NE(e.Message.find("(Address)"), std::string::npos) << e.Message;  // names its row
        }
        EXPECT_EQ(Value(0), "10.0.0.2");
    }
}

TEST_F(EditsTest, OptionControlsAndCheckBoxesShowTheValueAndGiveItBack) {
    Use(kOneState, "disabled");
    auto* combo = Make<ui::ComboBox>();
    auto* radio = Make<ui::RadioGroup>(30);
    auto* box = Make<ui::CheckBox>(140);
    auto* label = Make<ui::StaticText>(170);
    request->BindComboBox(0, combo);
    request->BindRadioGroup(0, radio, 1);
    request->BindControl(0, box);
    request->BindStaticText(0, label);
    EXPECT_EQ(combo->Style(), ui::csDropDownList);
    EXPECT_EQ(combo->Items().ToVector(), (std::vector<std::string>{"enabled", "disabled"}));
    request->DataToControls(0);
    EXPECT_EQ(combo->ItemIndex(), 1);
    EXPECT_EQ(radio->ItemIndex(), 1);
    EXPECT_TRUE(box->Checked());  // any option after the first
    EXPECT_EQ(label->Caption(), "disabled");
    Value(0) = "1";               // a wire value selects as well
    request->DataToControls(0);
    EXPECT_EQ(combo->ItemIndex(), 0);
    EXPECT_FALSE(box->Checked());

    // Read back in binding order: the last control read (the static text) decides.
    label->SetCaption("enabled");
    request->ControlsToData(0);
    EXPECT_EQ(Value(0), "enabled");
}

TEST_F(EditsTest, AValueOutsideItsOptionListShowsAsItsNumberAndDoesNotBlockTheWrite) {
    request->Request.Vars = NxSNMPVarList(kOneState, SVT_SV, 0);
    Value(0) = "7";  // the agent answered a value the list lacks
    auto* combo = Make<ui::ComboBox>();
    request->BindComboBox(0, combo);
    request->DataToControls(-1);
    EXPECT_EQ(combo->Text(), "7");
    request->ControlsToData(-1);
    EXPECT_EQ(Value(0), "7");
    combo->SetItemIndex(1);
    request->ControlsToData(-1);
    EXPECT_EQ(Value(0), "disabled");
    Value(0) = "enabled";
    request->DataToControls(-1);
    EXPECT_EQ(combo->ItemIndex(), 0);
}

// A refused text goes back to the last one accepted or shown from the device, whichever came later (a row selected
// after a text was accepted is what a refusal keeps, never the text typed for another row).
TEST_F(EditsTest, ARefusedTextGoesBackToTheLastOneAcceptedOrShownFromTheDevice) {
    ShowAndActivate();
    Use(kOneInteger, "7");
    auto* edit = Make<ui::Edit>();
    auto* other = Make<ui::Edit>(30);
    request->BindEdit(0, "%i{n1x10}", edit);
    request->DataToControls(-1);
    ui::MessageBoxRecorder boxes;
    auto typeAndLeave = [&](const char* keys) {
        edit->SetFocus();
        edit->SetSelStart(static_cast<int>(edit->Text().size()));
        QTest::keyClicks(edit->Widget(), keys);
        other->SetFocus();
    };
    typeAndLeave("9");  // 79
    ASSERT_EQ(boxes.Calls().size(), 1u);
    EXPECT_EQ(boxes.Calls()[0].Text, " Please enter a number between 1 and 10!");
    EXPECT_EQ(edit->Text(), "7");
    // A later reading shows its value, which a refusal keeps too.
    Value(0) = "8";
    request->DataToControls(-1);
    typeAndLeave("8");
    EXPECT_EQ(edit->Text(), "8");
    // Once a text was accepted, a refusal puts that one back.
    edit->SetFocus();
    edit->SetSelStart(1);
    QTest::keyClick(edit->Widget(), Qt::Key_Backspace);
    typeAndLeave("5");
    EXPECT_EQ(edit->Text(), "5");
    EXPECT_EQ(boxes.Calls().size(), 2u);
    typeAndLeave("0");  // 50
    EXPECT_EQ(edit->Text(), "5");
    // A value shown from the device after that is the one a refusal keeps.
    Value(0) = "3";
    request->DataToControls(-1);
    typeAndLeave("9");  // 39
    EXPECT_EQ(edit->Text(), "3");
    EXPECT_EQ(boxes.Calls().size(), 4u);
}

TEST_F(EditsTest, ANoneSelectedComboBoxRefusesToGiveAValue) {
    Use(kOneState, "(NULL)");
    auto* combo = Make<ui::ComboBox>();
    request->BindComboBox(0, combo);
    request->DataToControls(0);
    EXPECT_EQ(combo->ItemIndex(), -1);
    EXPECT_THROW(request->ControlsToData(0), Exception);
}

TEST_F(EditsTest, CheckBoxesNeedABooleanOrAnOptionList) {
    Use(kOneBoolean, "true");
    auto* box = Make<ui::CheckBox>();
    request->BindControl(0, box);
    request->DataToControls(0);
    EXPECT_TRUE(box->Checked());
    box->SetChecked(false);
    request->ControlsToData(0);
    EXPECT_EQ(Value(0), "false");

    Use(kOneInteger, "5");
    request->BindControl(0, Make<ui::CheckBox>(30));
    EXPECT_EQ(Code([&] { request->DataToControls(0); }), NxErrBadPartSyntax);
}

TEST_F(EditsTest, InvalidVariablesAreNotShownAndReadOnlyOnesNotRead) {
    Use(kOneInteger, "5");
    auto* edit = Make<ui::Edit>();
    request->BindEdit(0, "%s", edit);
    edit->SetText("old");
    request->Request.Vars.GetVar(0)->Access |= invalid;
    request->DataToControls(-1);
    EXPECT_EQ(edit->Text(), "old");
    request->Request.Vars.GetVar(0)->Access = readonly;
    edit->SetText("9");
    request->ControlsToData(-1);
    EXPECT_EQ(Value(0), "5");
}

// ---------------------------------------------------------------------------------------------- binding errors

TEST_F(EditsTest, BindingErrorsRaiseTheirCodesAndAddNoBinding) {
    Use(kOneInteger, "5");
    auto* combo = Make<ui::ComboBox>();
    EXPECT_EQ(Code([&] { request->BindComboBox(0, combo); }), NxErrNoOptionList);
    auto* radio = Make<ui::RadioGroup>();
    EXPECT_EQ(Code([&] { request->BindRadioGroup(0, radio); }), NxErrNoOptionList);

    NxOptionList prefixes(kPrefixPairs, NxOptionList::KindPrefix);
    EXPECT_EQ(Code([&] { request->BindPartControl(0, 0, sxUInt8, &prefixes, combo); }), NxErrTooFewControls);
    EXPECT_EQ(combo->Items().Count(), 1);  // filled before the refusal

    std::vector<ui::CheckBox*> boxes = {Make<ui::CheckBox>(), Make<ui::CheckBox>()};
    EXPECT_EQ(Code([&] { request->BindCheckBoxes(0, "0,1,2", boxes); }), NxErrTooFewControls);
    std::vector<ui::CheckBox*> nine;
    for (int i = 0; i < 9; ++i) nine.push_back(Make<ui::CheckBox>());
    EXPECT_EQ(Code([&] { request->BindCheckBoxes(0, "0,1,2,3,4,5,6,7,8", nine); }), NxErrTooFewControls);
    EXPECT_EQ(Code([&] { request->BindCheckBoxList(0, "0,1,2", boxes); }), NxErrTooFewControls);

    auto* edit = Make<ui::Edit>();
    EXPECT_EQ(Code([&] { request->BindEdit(0, "%s%s", edit); }), NxErrTooFewControls);
    EXPECT_EQ(Code([&] { request->BindEdit(0, "%x", edit); }), NxErrBadEditFormat);
    EXPECT_EQ(Code([&] { request->BindControl(0, Make<ui::Button>()); }), NxErrBadControlType);
    EXPECT_TRUE(request->Bindings.empty());
    EXPECT_FALSE(edit->OnChange);

    request->BindEdit(0, "%", edit);  // a final "%" takes no edit
    EXPECT_TRUE(request->Bindings.empty());
    request->BindCheckBoxList(0, "0,1", nine);
    ASSERT_EQ(request->Bindings.size(), 1u);
    EXPECT_EQ(request->Bindings[0]->Count, 2);
}

// ---------------------------------------------------------------------------------------------- hooked handlers

TEST_F(EditsTest, HookedControlsChainTheirOwnHandlersAndMarkTheDataModified) {
    Use(kOneState, "enabled");
    auto* plain = Make<ui::ComboBox>();
    auto* handled = Make<ui::ComboBox>(30);
    int calls = 0;
    handled->OnChange = [&](ui::Component* sender) {
        EXPECT_EQ(sender, handled);
        ++calls;
    };
    request->BindComboBox(0, plain);
    request->BindComboBox(0, handled);
    plain->OnChange(plain);  // what the user's pick fires
    EXPECT_EQ(request->Modified, 0);
    handled->OnChange(handled);
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(request->Modified, 1);
}

TEST_F(EditsTest, UnbindGivesBackTheHandlersAndKeepsTheOtherBindingsInOrder) {
    request->Request.Vars = NxSNMPVarList(ScalarTable, SVT_SV, 0);
    auto* a = Make<ui::Edit>();
    auto* b = Make<ui::Edit>(30);
    auto* combo = Make<ui::ComboBox>(60);
    auto* name = Make<ui::Edit>(90);
    auto* ip = Make<ui::Edit>(120);
    int picks = 0;
    combo->OnChange = [&](ui::Component*) { ++picks; };
    request->BindEdit(0, "%s", name);
    request->BindEdit(1, "%u%u", {a, b});
    request->BindComboBox(1, combo);
    request->BindEdit(2, "%s{I}", ip);
    request->Unbind(1);
    ASSERT_EQ(request->Bindings.size(), 2u);
    EXPECT_EQ(request->Bindings[0]->VarIndex, 0);
    EXPECT_EQ(request->Bindings[1]->VarIndex, 2);
    EXPECT_EQ(request->EditConstraint->FindConstraint(a), nullptr);
    EXPECT_FALSE(a->OnChange);
    a->SetText("letters stay");
    EXPECT_EQ(a->Text(), "letters stay");
    combo->OnChange(combo);
    EXPECT_EQ(picks, 1);
    EXPECT_EQ(request->Modified, 0);
    EXPECT_NE(request->EditConstraint->FindConstraint(ip), nullptr);
}

TEST_F(EditsTest, ControlsThatOutliveTheBindingGetTheirHandlersBack) {
    Use(kOneState, "enabled");
    auto* combo = Make<ui::ComboBox>();
    auto* box = Make<ui::CheckBox>(30);
    auto* edit = Make<ui::Edit>(60);
    auto* list = Make<ui::ListView>(90);
    int picks = 0, clicks = 0, selections = 0;
    combo->OnChange = [&](ui::Component*) { ++picks; };
    box->OnClick = [&](ui::Component*) { ++clicks; };
    list->OnSelectItem = [&](ui::Component*, ui::ListItem*, bool) { ++selections; };
    request->BindComboBox(0, combo);
    request->BindControl(0, box);
    request->BindEdit(0, "%i", edit);
    request->BindListView(list, true);
    request.reset();

    combo->OnChange(combo);
    box->SetChecked(!box->Checked());
    edit->SetText("abc");  // no input rule left behind
    list->Items().Add()->SetCaption("row");
    list->SetItemIndex(0);
    EXPECT_EQ(picks, 1);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(edit->Text(), "abc");
    EXPECT_EQ(selections, 1);
}

TEST_F(EditsTest, ABindingThatOutlivesItsControlsIsDestroyedSafely) {
    Use(kOneState, "enabled");
    auto* combo = Make<ui::ComboBox>();
    auto* edit = Make<ui::Edit>(30);
    request->BindComboBox(0, combo);
    request->BindEdit(0, "%s", edit);
    delete combo;
    delete edit;
    request.reset();  // nothing to give back to controls that are gone
}

// ---------------------------------------------------------------------------------------------- list view

TEST_F(EditsTest, ColumnsFollowTheAccessBitsUnlessTheListViewHasEnough) {
    const NxSNMPVar table[] = {{"1.1", "Key", sxInteger, notaccess, nullptr},
                               {"1.2", "Secret", sxOctetStr, writeonly, nullptr},
                               {"1.3", "Shown", sxInteger, readwrite, nullptr},
                               {"1.4", "Hidden", sxInteger, readonly | hidden, nullptr},
                               {"1.5", "None", sxInteger, 0, nullptr},
                               {}};
    request->Request.Vars = NxSNMPVarList(table, MVT_FMV, 1);
    auto* list = Make<ui::ListView>();
    request->BindListView(list, true);
    std::vector<std::string> captions;
    std::vector<int> widths;
    for (int c = 0; c < list->Columns().Count(); ++c) {
        captions.push_back(list->Columns()[c]->Caption());
        widths.push_back(list->Columns()[c]->Width());
    }
    EXPECT_EQ(captions, (std::vector<std::string>{"Secret", "Hidden", "Key", "Shown"}));
    EXPECT_EQ(widths[0], 0);
    EXPECT_EQ(widths[1], 0);
    EXPECT_GT(widths[2], 0);
    EXPECT_TRUE(list->ReadOnly());
    EXPECT_TRUE(list->RowSelect());
    EXPECT_FALSE(list->HideSelection());
    EXPECT_TRUE(list->GridLines());

    auto* prepared = Make<ui::ListView>(100);
    for (const char* caption : {"A", "B", "C", "D"}) prepared->Columns().Add()->SetCaption(caption);
    request->BindListView(prepared, true);
    EXPECT_EQ(prepared->Columns()[0]->Caption(), "A");
    EXPECT_EQ(prepared->Columns().Count(), 4);
}

TEST_F(EditsTest, ARowCopiesBackWithThePortListHexFromItsBrackets) {
    request->Request.Vars = NxSNMPVarList(RowTable, MVT_FMV, 1);
    auto* list = Make<ui::ListView>();
    request->BindListView(list, true);
    const std::vector<std::string> row = {"7", "seven", "enabled", "10.0.0.7", "F0800000", "000000000007"};
    for (size_t i = 0; i < row.size(); ++i) Value(static_cast<int>(i)) = row[i];
    request->AddListItem();
    ASSERT_EQ(list->Items().Count(), 1);
    EXPECT_EQ(list->Items()[0]->Caption(), "7");
    EXPECT_EQ(list->Items()[0]->ColumnText(4), "1-4,9[F0800000]");
    for (size_t i = 0; i < row.size(); ++i) Value(static_cast<int>(i)) = "";
    list->SetItemIndex(0);
    for (size_t i = 0; i < row.size(); ++i) EXPECT_EQ(Value(static_cast<int>(i)), row[i]) << i;
    list->Items()[0]->SubItems().Put(3, "1-2");  // no brackets: the whole cell
    request->ListItemToData();
    EXPECT_EQ(Value(4), "1-2");
}

// ---------------------------------------------------------------------------------------------- against the agent

class EditsAgentTest : public EditsTest {
protected:
    void SetUp() override {
        EditsTest::SetUp();
        AimAt(Sim().Port());
        Sim().Control("clear");
        SeedSim(ScalarLines());
        SeedSim(RowLines(5));
        request = std::make_unique<NxSNMPRequest2Edits>(form);
    }
    bool WaitIdle() { return RunUntil([&] { return !request->Busy && request->Request.PendingCount == 0; }); }
};

TEST_F(EditsAgentTest, AWalkFillsTheListViewAndASelectedRowFillsTheControls) {
    request->Request.Vars = NxSNMPVarList(RowTable, MVT_FMV, 1);
    auto* list = Make<ui::ListView>();
    auto* name = Make<ui::Edit>(200);
    auto* state = Make<ui::ComboBox>(230);
    request->BindListView(list, true);
    request->BindEdit(1, "%s{l16}", name);
    request->BindComboBox(2, state);
    ASSERT_TRUE(request->Get());
    ASSERT_TRUE(WaitIdle());
    ASSERT_EQ(list->Items().Count(), 5);
    const ui::ListItem& first = *list->Items()[0];
    EXPECT_EQ(first.Caption(), "1");
    EXPECT_EQ(first.ColumnText(1), "row1");
    EXPECT_EQ(first.ColumnText(2), "enabled");
    EXPECT_EQ(first.ColumnText(3), "10.0.0.1");
    EXPECT_EQ(first.ColumnText(4), "1-4,9[F0800000]");
    EXPECT_EQ(first.ColumnText(5), "000000000001");
    EXPECT_EQ(list->Items()[1]->ColumnText(2), "disabled");
    EXPECT_FALSE(name->Enabled());  // a fixed table: controls wait for a row
    EXPECT_FALSE(state->Enabled());

    list->SetItemIndex(1);
    EXPECT_TRUE(name->Enabled());
    EXPECT_EQ(name->Text(), "row2");
    EXPECT_EQ(state->Text(), "disabled");
    EXPECT_EQ(request->Modified, 0);
    list->SetItemIndex(-1);  // deselecting changes nothing
    EXPECT_EQ(name->Text(), "row2");
}

TEST_F(EditsAgentTest, AWalkLongerThanTheViewShowsEveryRowInTheWidgetWhenItEnds) {
    SeedSim(RowLines(60, 6));
    request->Request.Vars = NxSNMPVarList(RowTable, MVT_FMV, 1);
    auto* list = Make<ui::ListView>();
    request->BindListView(list, true);
    ShowAndActivate();
    // Rows below the view reach the widget in sparser batches; the walk's end hands over the rest at once.
    int shownAtEnd = -1;
    request->OnAfterGet = [&] { shownAtEnd = list->ShownRowCount(); };
    ASSERT_TRUE(request->Get());
    ASSERT_TRUE(WaitIdle());
    EXPECT_EQ(shownAtEnd, 65);
    ASSERT_EQ(list->Items().Count(), 65);
    const QAbstractItemModel& shown = *static_cast<QAbstractItemView*>(list->Widget())->model();
    ASSERT_EQ(shown.rowCount(), 65);
    for (int r : {0, 6, 64}) {
        EXPECT_EQ(shown.index(r, 0).data().toString().toStdString(), std::to_string(r + 1));
        EXPECT_EQ(shown.index(r, 1).data().toString().toStdString(), "row" + std::to_string(r + 1));
        EXPECT_EQ(shown.index(r, 3).data().toString().toStdString(), "10.0.0." + std::to_string(r + 1));
    }
}

TEST_F(EditsAgentTest, ASparseTableShowsEachCellInItsRowAndAnEditWritesOnlyThatRow) {
    const std::string root = kTableRoot;
    ASSERT_EQ(Sim().Control("remove " + root + ".4.2"), "ok");  // row 2 has no address
    request->Request.Vars = NxSNMPVarList(RowTable, MVT_FMV, 1);
    request->Mode = NxSNMPRequest2Controls::ModeSync;
    auto* list = Make<ui::ListView>();
    auto* name = Make<ui::Edit>(200);
    auto* address = Make<ui::Edit>(230);
    request->BindListView(list, true);
    request->BindEdit(1, "%s", name);
    request->BindEdit(3, "%s", address);
    ASSERT_TRUE(request->Get());
    ASSERT_EQ(list->Items().Count(), 5);
    for (int r = 0; r < 5; ++r) {
        const ui::ListItem& item = *list->Items()[r];
        EXPECT_EQ(item.Caption(), std::to_string(r + 1));
        EXPECT_EQ(item.ColumnText(1), "row" + std::to_string(r + 1));
        EXPECT_EQ(item.ColumnText(3), r == 1 ? "" : "10.0.0." + std::to_string(r + 1));
    }

    list->SetItemIndex(1);
    EXPECT_EQ(address->Text(), "");
    name->SetText("renamed");
    const size_t before = Sim().PduLog().size();
    ASSERT_TRUE(request->Set(false, true));
    const std::vector<std::string> log = Sim().PduLog();
    ASSERT_EQ(log.size(), before + 1);
    const std::string& pdu = log[before];
    EXPECT_NE(pdu.find(root + ".2.2=STRING:\"renamed\""), std::string::npos) << pdu;
    EXPECT_EQ(pdu.find(root + ".4."), std::string::npos) << pdu;  // the cell the row lacks is not written
    for (size_t at = pdu.find(" " + root); at != std::string::npos; at = pdu.find(" " + root, at + 1)) {
        const std::string oid = pdu.substr(at + 1, pdu.find('=', at) - at - 1);
        EXPECT_EQ(oid.substr(oid.size() - 2), ".2") << pdu;  // row 2's own instance only
    }
}

TEST_F(EditsAgentTest, TypedTextsAreSentAsTypedOrRefusedWithNothingSent) {
    static const NxSNMPVar kTyped[] = {
        {"1.3.6.1.4.1.32473.99.4.1", "Priority", sxInteger, readwrite, nullptr},
        {"1.3.6.1.4.1.32473.99.4.2", "Interval", sxGauge, readwrite, nullptr},
        {"1.3.6.1.4.1.32473.99.4.3", "Gateway", sxIpAddress, readwrite, nullptr},
        {"1.3.6.1.4.1.32473.99.4.4", "Octets", sxOctetStr, readwrite, nullptr},
        {"1.3.6.1.4.1.32473.99.4.5", "Big", sxCounter64, readwrite, nullptr},
        {},
    };
    const std::string root = "1.3.6.1.4.1.32473.99.4";
    SeedSim({"set-rw " + root + ".1.0 int 1", "set-rw " + root + ".2.0 gauge 1", "set-rw " + root + ".3.0 ip 1.1.1.1",
             "set-rw " + root + ".4.0 hex 0102", "set-rw " + root + ".5.0 counter64 1"});
    request->Request.Vars = NxSNMPVarList(kTyped, SVT_SV, 0);
    request->Mode = NxSNMPRequest2Controls::ModeSync;
    std::vector<ui::Edit*> edits;
    for (int i = 0; i < 4; ++i) edits.push_back(Make<ui::Edit>(25 * i));
    auto* octet = Make<ui::Edit>(120);
    auto* big = Make<ui::Edit>(150);
    request->BindEdit(0, "%s", edits[0]);
    request->BindEdit(1, "%s", edits[1]);
    request->BindEdit(2, "%s", edits[2]);
    request->BindPartEdit(3, 1, sxUInt8, nullptr, "%s", octet);
    request->BindEdit(4, "%s", big);
    ASSERT_TRUE(request->Get());
    struct Case {
        int var;
        ui::Edit* edit;
        const char* typed;
        const char* sent;  // the varbind sent, or null: refused with -518 and nothing sent
    };
    const Case cases[] = {
        {0, edits[0], "-7", "INTEGER:-7"},
        {0, edits[0], " 2147483647 ", "INTEGER:2147483647"},
        {0, edits[0], "abc", nullptr},
        {0, edits[0], "12abc", nullptr},
        {0, edits[0], "5000000000", nullptr},
        {1, edits[1], "4294967295", "GAUGE:4294967295"},
        {1, edits[1], "-1", nullptr},
        {1, edits[1], "99999999999", nullptr},
        {2, edits[2], "10.1.2.3", "IPADDRESS:10.1.2.3"},
        {2, edits[2], "10.1.2.300", nullptr},
        {2, edits[2], "1.2.3.4.5", nullptr},
        {3, octet, "255", "HEX:01FF"},  // the octet no control shows keeps its value
        {3, octet, "300", nullptr},
        {4, big, "18446744073709551615", "COUNTER64:18446744073709551615"},
        {4, big, "18446744073709551616", nullptr},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(request->Get());
        c.edit->SetText(c.typed);
        const size_t before = Sim().PduLog().size();
        if (c.sent) {
            EXPECT_TRUE(request->Set(false, true, std::to_string(c.var))) << c.typed;
            const std::vector<std::string> log = Sim().PduLog();
            ASSERT_EQ(log.size(), before + 1) << c.typed;
            const std::string varbind = root + "." + std::to_string(c.var + 1) + ".0=" + c.sent;
            EXPECT_NE(log.back().find(varbind), std::string::npos) << varbind << " in " << log.back();
            continue;
        }
        try {
            request->Set(false, true, std::to_string(c.var));
            ADD_FAILURE() << c.typed << " must be refused";
        } catch (const Exception& e) {
            EXPECT_EQ(e.HelpContext, NxErrBadPartValue) << c.typed;
            EXPECT_NE(e.Message.find(kTyped[c.var].Caption), std::string::npos) << e.Message;
        }
        EXPECT_EQ(Sim().PduLog().size(), before) << c.typed;
    }
}

TEST_F(EditsAgentTest, BoxesBoundToSomeBitsOfAMaskLeaveTheOtherBitsAsRead) {
    const std::string scalars = kScalarRoot, rows = kTableRoot;
    // Unit 2's ports are bits 8 to 15; unit 1's (bits 0 to 7) and the rest come back as read.
    std::vector<ui::CheckBox*> unit2;
    for (int i = 0; i < 8; ++i) unit2.push_back(Make<ui::CheckBox>(20 * i));
    struct Case {
        const NxSNMPVar* table;
        NxVarListKind kind;
        int var;
        std::string sent;
    };
    const Case cases[] = {
        {ScalarTable, SVT_SV, 5, scalars + ".6.0=HEX:F0C00000"},
        {RowTable, MVT_FMV, 4, rows + ".5.1=HEX:F0C00000"},
    };
    for (const Case& c : cases) {
        request = std::make_unique<NxSNMPRequest2Edits>(form);
        request->Request.Vars = NxSNMPVarList(c.table, c.kind, c.kind == SVT_SV ? 0 : 1);
        request->Mode = NxSNMPRequest2Controls::ModeSync;
        if (c.kind != SVT_SV) request->BindListView(Make<ui::ListView>(200), true);
        request->BindCheckBoxList(c.var, "8,9,10,11,12,13,14,15", unit2);
        ASSERT_TRUE(request->Get());
        if (request->ListView) request->ListView->SetItemIndex(0);
        EXPECT_TRUE(unit2[0]->Checked());
        EXPECT_FALSE(unit2[1]->Checked());
        unit2[1]->SetChecked(true);
        const size_t before = Sim().PduLog().size();
        ASSERT_TRUE(request->Set(false, true, std::to_string(c.var)));
        const std::vector<std::string> log = Sim().PduLog();
        ASSERT_EQ(log.size(), before + 1);
        EXPECT_NE(log.back().find(c.sent), std::string::npos) << c.sent << " in " << log.back();
    }
}

TEST_F(EditsAgentTest, StopEndsAWalkIntoTheListViewWithTheStopText) {
    request->Request.Vars = NxSNMPVarList(RowTable, MVT_FMV, 1);
    auto* list = Make<ui::ListView>();
    auto* bar = Make<ui::StatusBar>(200);
    request->BindListView(list, true);
    request->SetStatusPanel(bar->Panels().Add());
    Sim().Control(std::string("hold ") + kTableRoot);
    ASSERT_TRUE(request->Get());
    Pump(100);
    request->Request.Active = 0;  // the Stop button
    Sim().Control("clear");
    ASSERT_TRUE(WaitIdle());
    EXPECT_EQ(list->Items().Count(), 1);
    EXPECT_NE(bar->Panels()[0]->Text().find("Stop, SNMP Request is not active."), std::string::npos);
}

TEST_F(EditsAgentTest, AScalarGroupFillsItsControlsAndASetSendsTheUserChanges) {
    request->Request.Vars = NxSNMPVarList(ScalarTable, SVT_SV, 0);
    request->Mode = NxSNMPRequest2Controls::ModeSync;
    auto* name = Make<ui::Edit>();
    auto* state = Make<ui::RadioGroup>(30);
    std::vector<ui::Edit*> address;
    for (int i = 0; i < 4; ++i) address.push_back(Make<ui::Edit>(140 + 25 * i));
    std::vector<ui::CheckBox*> flags;
    for (int i = 0; i < 8; ++i) flags.push_back(Make<ui::CheckBox>(250 + 20 * i));
    auto* uptime = Make<ui::StaticText>(420);
    auto* ports = Make<ui::Edit>(450);
    request->BindEdit(0, "%s{l16}", name);
    request->BindRadioGroup(1, state, 0);
    request->BindEdit(2, "%u%u%u%u", address);
    request->BindCheckBoxes(3, "0,1,2,3,4,5,6,7", flags);
    request->BindStaticText(4, uptime);
    request->BindEdit(5, "%s", ports);
    ASSERT_TRUE(request->Get());
    EXPECT_EQ(name->Text(), "core-7");
    EXPECT_EQ(state->ItemIndex(), 1);
    EXPECT_EQ(address[2]->Text(), "2");
    EXPECT_TRUE(flags[0]->Checked());
    EXPECT_TRUE(flags[2]->Checked());
    EXPECT_EQ(uptime->Caption(), "0:02:03.45");
    EXPECT_EQ(ports->Text(), "1-4,9");

    name->SetText("edge-9");
    state->SetItemIndex(0);
    address[3]->SetText("99");
    flags[7]->SetChecked(true);
    ports->SetText("2,32");
    const size_t before = Sim().PduLog().size();
    ASSERT_TRUE(request->Set(false, true));
    const std::vector<std::string> log = Sim().PduLog();
    ASSERT_EQ(log.size(), before + 1);
    const std::string& pdu = log.back();
    EXPECT_EQ(pdu.rfind("SET v2c harbour", 0), 0u) << pdu;
    const std::string root = kScalarRoot;
    for (const std::string& varbind :
         {root + ".1.0=STRING:\"edge-9\"", root + ".2.0=INTEGER:1", root + ".3.0=IPADDRESS:10.1.2.99",
          root + ".4.0=HEX:A1", root + ".6.0=HEX:40000001"})
        EXPECT_NE(pdu.find(varbind), std::string::npos) << varbind << " in " << pdu;
    EXPECT_EQ(pdu.find(root + ".5.0"), std::string::npos);  // read-only: not sent
    size_t varbinds = 0;
    for (size_t at = pdu.find(" " + root); at != std::string::npos; at = pdu.find(" " + root, at + 1)) ++varbinds;
    EXPECT_EQ(varbinds, 5u);
    EXPECT_EQ(Sim().Control("ping"), "ok");
}

}  // namespace
