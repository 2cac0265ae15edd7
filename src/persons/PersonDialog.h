#pragma once
// "Person data": the dialog that adds or edits one person. Its text fields reach the person only
// through OK; comments and the roommate groups of other persons change in the store at once.
#include <array>
#include <cstdint>
#include <string>

#include "dialogs/DialogModel.h"
#include "dialogs/ListModel.h"

class CDatabase;
class CPersonRecord;

// The seven person types, in the order of the dialog's type list; the index is the item data.
struct CPersonType {
    const char* text;
    char gender;
    char classLetter;
    uint8_t youth;
};
constexpr int kNonCompetitorType = 6;
const std::array<CPersonType, 7>& PersonTypes();
// The index of the person's type when he or she competes (0 to 5), else -1.
int PersonTypeIndex(const CPersonRecord& person);

class CPersonDialog : public CDialogModel {
public:
    static constexpr int kResourceId = 218;

    static constexpr int kLastNameId = 1789;
    static constexpr int kFirstNameId = 1788;
    static constexpr int kNicknameId = 1335;
    static constexpr int kNoteToMCId = 1823;
    static constexpr int kTypeId = 1564;
    static constexpr int kSSNumberId = 1525;
    static constexpr int kMemberNumberId = 1490;
    static constexpr int kRoommatesId = 1818;
    static constexpr int kRoommateAddId = 1814;
    static constexpr int kRoommateDeleteId = 1819;
    static constexpr int kMealPreferenceId = 1468;
    static constexpr int kCommentsId = 1811;
    static constexpr int kCommentAddId = 1807;
    static constexpr int kCommentEditId = 1808;
    static constexpr int kCommentDeleteId = 1809;
    static constexpr int kOkId = 1000;
    static constexpr int kCancelId = 2;
    static constexpr int kHelpId = 1021;

    static constexpr const char* kTitle = "Person data";
    static constexpr const char* kRequiredNote = "* Required information";
    static constexpr const char* kTypeLabel = "*Type";
    static constexpr const char* kRoommatesLabel = "Roommate list";
    static constexpr const char* kMealPreferenceLabel = "Meal preference";
    static constexpr const char* kCommentsLabel = "Comments";
    static constexpr int kCommentLength = 60;

    // One edit field: its control, its label, the working text behind it, the person's stored
    // text, the most characters a user may type (so that no data-file line outgrows what its
    // readers take) and the characters it refuses besides the field separators.
    struct Field {
        int id;
        const char* label;
        std::string CPersonDialog::*text;
        std::string CPersonRecord::*stored;
        int maxLength;
        const char* refused;
    };
    // The six text fields, in the order the dialog shows them.
    static const std::array<Field, 6>& Fields();

    CPersonDialog(CDatabase& store, CPersonRecord& person);
    int ResourceId() const override { return kResourceId; }
    std::string ToolTipOf(int controlId) const override;
    // A text field, the type or the meal preference differs from the person's. Comments and
    // roommates are stored at once and are not counted.
    bool HasChanges() const override;

    std::string& TextOf(const Field& field) { return this->*field.text; }
    const std::string& TextOf(const Field& field) const { return this->*field.text; }
    // The most characters the field holds: its maximum, or the stored text's length when that is
    // longer, so that a text from the data file is never cut just by being shown and confirmed.
    int Limit(const Field& field) const;

    // What the meal preference field holds after the user typed `typed`: one character, in
    // upper case; a character the store cannot keep (beyond ASCII) is refused.
    static std::string MealPreferenceText(const std::string& typed);

    // Checks the name and the type, asks before a second person of a name already in the
    // studio (ignoring case), and stores the fields in the person; false keeps the dialog open. The
    // view has put the controls' texts into the working copies (the type list's shown text into
    // types' edit text).
    bool OnOK();
    void OnRoommateAdd();
    void OnRoommateDelete();
    void OnCommentAdd();
    void OnCommentEdit();
    void OnCommentDelete();

    CDatabase& store;
    CPersonRecord& person;

    std::string lastName, firstName, nickname, noteToMC, ssNumber, membershipNumber;
    std::string mealPreference;
    int32_t roommateGroup = -1;
    int32_t studioNumber = -1;

    // The type list (not sorted), the roommates and the comments (both sorted).
    CListModel types;
    CListModel roommates;
    CListModel comments;

    // Set when the dialog changed the store while open (comments, other persons' roommate
    // groups): those changes stay after Cancel, so they are to be saved either way.
    bool changedStore = false;

private:
    // Whether the typed name may be stored: true unless another person has it and the user
    // answers No.
    bool SecondOfTheNameAllowed() const;
    std::string openedType_;
    std::string openedMealPreference_;
    void FillRoommates();
    void FillComments(int positionToSelect = -1);
};
