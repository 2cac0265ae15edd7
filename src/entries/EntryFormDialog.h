#pragma once
// The entry form dialog: shows one form of the entry manager and lets the user fill it in: the
// couple (or the dancers of a group), the dances, the level, the age and, where the category
// asks for one, a dance or team name. What it shows follows the category's kind and the entry
// type. It ends with a follow-up action for the manager and writes the user's changes into the
// manager's form only when the form was changed.
#include <array>
#include <map>
#include <optional>
#include <string>

#include "dialogs/DialogModel.h"
#include "dialogs/ListDialog.h"
#include "dialogs/ListModel.h"
#include "dialogs/TypeAheadBox.h"
#include "entries/EntryForm.h"

class CDatabase;
class CEntryRecord;

class CEntryFormDialog : public CDialogModel {
public:
    static constexpr int kResourceId = 220;

    static constexpr int kHintId = 1015;
    static constexpr int kGentlemanLabelId = 1823;
    static constexpr int kGentlemanId = 1012;
    static constexpr int kLadyLabelId = 1826;
    static constexpr int kLadyId = 1013;
    static constexpr int kAddPersonId = 1003;
    static constexpr int kDancesLabelId = 1872;
    static constexpr int kDancesId = 1832;
    static constexpr int kLevelsLabelId = 1614;
    static constexpr int kLevelsId = 1611;
    static constexpr int kAgesLabelId = 1616;
    static constexpr int kAgesId = 1618;
    static constexpr int kNoDataId = 1865;
    static constexpr int kSameDancesId = 1835;
    static constexpr int kSameCoupleId = 1836;
    static constexpr int kSameManId = 1837;
    static constexpr int kSameLadyId = 1838;
    static constexpr int kCoachLabelId = 1855;
    static constexpr int kCoachId = 1014;
    static constexpr int kDancersLabelId = 1874;
    static constexpr int kDancersId = 1869;
    static constexpr int kDancerAddId = 1870;
    static constexpr int kDancerDeleteId = 1871;
    static constexpr int kDancerUpId = 1873;
    static constexpr int kDancerDownId = 1876;
    static constexpr int kTextId = 1319;
    static constexpr int kExitSaveId = 1000;
    static constexpr int kCancelId = 2;
    static constexpr int kHelpId = 1021;

    static constexpr const char* kHintText =
        "Type first few letters of last name to scroll selection box to name. You must select "
        "persons from the dropdown lists.";
    static constexpr const char* kAddPersonText = "Add person to list.";
    static constexpr const char* kDancesLabel = "&Dance(s)";
    static constexpr const char* kTeamNameLabel = "Team name";
    static constexpr const char* kLevelsLabel = "Levels (select one)";
    static constexpr const char* kAgesLabel = "Ages (select one)";
    static constexpr const char* kExitGroupText = "Exit, save form";
    static constexpr const char* kNewFormText = "New form with:";
    static constexpr const char* kCoachLabel = "&Coach name";
    static constexpr const char* kExitSaveText = "e&Xit, Save";

    // Follow-up actions, carried in the high 16 bits of the result: the editing run ends, or a
    // new form starts ("New form with:" and F10).
    static constexpr int kActionExit = 0;
    static constexpr int kActionNoData = 10;      // F5
    static constexpr int kActionSameDances = 40;  // F6
    static constexpr int kActionSameCouple = 50;  // F7
    static constexpr int kActionSameMan = 60;     // F8
    static constexpr int kActionSameLady = 70;    // F9
    static constexpr int kActionNoPersons = 80;   // F10
    // The low 16 bits: the form was changed and must be saved, or not (also after Cancel).
    static constexpr int kFormChanged = 1;
    static constexpr int kFormUnchanged = 2;

    static constexpr int Result(int action, bool changed) {
        return action * 65536 + (changed ? kFormChanged : kFormUnchanged);
    }

    // A button of the dialog that ends it with a follow-up action.
    struct ActionButton {
        int id;
        int action;
        const char* text;
    };
    // The five "New form with:" buttons, F5 to F9 in this order.
    static const std::array<ActionButton, 5>& NewFormButtons();
    // The action of function key F`number` (5 to 10), or -1.
    static int ActionOfFunctionKey(int number);

    // Opens the dialog on the manager's form: decides what it shows and fills its lists.
    CEntryFormDialog(CDatabase& store, CEntryForm& form);
    int ResourceId() const override { return kResourceId; }
    std::string ToolTipOf(int controlId) const override;

    // The form comes back after a save that kept none of its dances: what it shows is not
    // stored, so leaving it asks first and its save buttons save it again.
    bool unsaved = false;

    // Whether the control (or label) `id` is shown for this form.
    bool IsShown(int id) const;
    // The control Alt+`letter` moves to: A the ages, D the dances, L the levels, each while
    // shown; 0 for none.
    int ControlOfAltKey(char letter) const;

    // Ends the dialog with `action` after checking the form; nothing when a check failed (its
    // message was shown and the dialog stays open). A changed form is written into the
    // manager's form, and the roles of its gentleman and lady are set to those the entry type
    // gives them.
    std::optional<int> OnAction(int action);
    // Cancel: true closes the dialog (result Result(kActionExit, false)); a form with changes,
    // checked or only typed (the view reads the controls first), asks first.
    bool OnCancel();
    void OnHelp();

    // The dancer list: Add (the person chooser; a person may be listed twice), Delete, Up, Down.
    void OnDancerAdd();
    void OnDancerDelete();
    void OnDancerUp();
    void OnDancerDown();
    // "Add person to list.": the new-person dialog; the person boxes are then filled again.
    void OnAddPerson();

    // Checks the boxes and lists in the dialog's order and takes them into the dialog's copy;
    // false after the message of the first failure.
    bool Validate();
    // Whether the dialog's copy differs from the manager's form.
    bool IsChanged() const;
    // What the form will cost as the controls stand, priced as the summary report prices its
    // entries: "Cost: 3 x 25.00 = 75.00", with a note when the surcharge applies that names
    // whose missing hotel package brings it; empty when the setup file hides prices.
    std::string CostText() const;

    CDatabase& store;
    // The manager's form: only an ending with a change writes into it.
    CEntryForm& form;
    // The dialog's own copy, which the lists and boxes are read into.
    CEntryForm copy;

    // What the form shows, decided on opening from the category's kind and the entry type.
    bool usesDances = false;
    bool usesText = false;
    bool usesDancers = false;
    bool usesGentleman = false;
    bool usesLady = false;
    bool usesCoach = false;
    bool usesLevels = false;
    bool usesAges = false;
    // The person type of the persons each box offers (0 to 5).
    int gentlemanType = 7;
    int ladyType = 7;
    std::string gentlemanLabel = "Gentleman name";
    std::string ladyLabel = "Lady name";
    std::string dancersLabel = "Dancers";
    // The label of the dances list, or of the text box when that is shown instead.
    std::string textLabel = kDancesLabel;
    std::string title;
    // The controls the form moves from their usual place, in pixels.
    std::map<int, CPixelRect> placements;

    CTypeAheadBox gentlemanBox;
    CTypeAheadBox ladyBox;
    CTypeAheadBox coachBox;
    CListModel dances{true};
    CListModel levels;
    CListModel ages;
    CListModel dancers;
    // The text box: a team name, or the name of a dance for a category without dances.
    std::string text;

private:
    void DecideParts();
    void FillCategoryLists();
    // " (with the surcharge: Marco Rossi has no hotel package)", or "" without a surcharge.
    std::string SurchargeNote(const CEntryRecord& entry) const;
    // The boxes' texts, the lists' selections and the text box, to tell a change by.
    std::string ControlsState() const;
    void PlaceControls();
    void FillPersonBoxes();
    void FillDancers();
    void RewriteRoles() const;
    void MoveDancer(int from, int to);

    std::string openedControls_;
};
