#include "persons/PersonDialog.h"

#include <algorithm>
#include <cctype>

#include "data/Database.h"
#include "dialogs/ListDialog.h"
#include "dialogs/TextDialog.h"
#include "platform/Ui.h"
#include "util/Collation.h"
#include "util/Text.h"

namespace {

// Names, the note and the numbers: long enough for any real one, short enough that a line with
// three persons stays far below what the data file's readers take.
constexpr int kNameLength = 40;
constexpr int kNoteLength = 60;
constexpr int kNumberLength = 20;

std::string NameText(const CPersonRecord& person) {
    return person.lastName + ", " + person.firstName;
}

}  // namespace

const std::array<CPersonType, 7>& PersonTypes() {
    static const std::array<CPersonType, 7> types{{
        {"Gentleman professional", 'M', 'P', 0},
        {"Lady professional", 'F', 'P', 0},
        {"Gentleman amateur, adult", 'M', 'A', 0},
        {"Lady amateur, adult", 'F', 'A', 0},
        {"Gentleman amateur, youth", 'M', 'A', 1},
        {"Lady amateur, youth", 'F', 'A', 1},
        {"Non-competitor", 0, 0, 0},
    }};
    return types;
}

int PersonTypeIndex(const CPersonRecord& person) {
    // The person categories 0 to 5 are the type list's first six lines.
    const int code = person.PersonTypeCode();
    return code >= 0 && code < kNonCompetitorType ? code : -1;
}

const std::array<CPersonDialog::Field, 6>& CPersonDialog::Fields() {
    // A last name is read back from the data file only up to its first "[".
    static const std::array<Field, 6> fields{{
        {kLastNameId, "*Last\nname", &CPersonDialog::lastName, &CPersonRecord::lastName,
         kNameLength, "["},
        {kFirstNameId, "First name", &CPersonDialog::firstName, &CPersonRecord::firstName,
         kNameLength, ""},
        {kNicknameId, "Nick\nname", &CPersonDialog::nickname, &CPersonRecord::nickname, kNameLength,
         ""},
        {kNoteToMCId, "Note to MC\nPhonetic spelling", &CPersonDialog::noteToMC,
         &CPersonRecord::noteToMC, kNoteLength, ""},
        {kSSNumberId, "SS #", &CPersonDialog::ssNumber, &CPersonRecord::ssNumber, kNumberLength,
         ""},
        {kMemberNumberId, "Member #", &CPersonDialog::membershipNumber,
         &CPersonRecord::membershipNumber, kNumberLength, ""},
    }};
    return fields;
}

CPersonDialog::CPersonDialog(CDatabase& store, CPersonRecord& person)
    : store(store), person(person) {
    for (std::size_t i = 0; i < PersonTypes().size(); ++i) {
        types.AddString(PersonTypes()[i].text, static_cast<long>(i));
    }
    // A non-competitor, like a new person, starts with no type chosen.
    const int type = PersonTypeIndex(person);
    if (type >= 0) {
        types.SetCurSel(type);
        types.SetEditText(types.GetText(type));
    }
    for (const auto& field : Fields()) {
        TextOf(field) = person.*field.stored;
    }
    roommateGroup = person.roommateGroup;
    studioNumber = person.studioNumber;
    if (person.mealPreference != 0 && person.mealPreference <= 127) {
        mealPreference = std::string(1, static_cast<char>(person.mealPreference));
    }
    openedType_ = types.EditText();
    openedMealPreference_ = mealPreference;
    roommates.SortBy(CollatesBefore);
    comments.SortBy(CollatesBefore);
    FillRoommates();
    FillComments();
}

bool CPersonDialog::HasChanges() const {
    for (const auto& field : Fields()) {
        if (TextOf(field) != person.*field.stored) {
            return true;
        }
    }
    return types.EditText() != openedType_ ||
           MealPreferenceText(mealPreference) != openedMealPreference_;
}

int CPersonDialog::Limit(const Field& field) const {
    return std::max(field.maxLength, static_cast<int>((person.*field.stored).size()));
}

std::string CPersonDialog::MealPreferenceText(const std::string& typed) {
    for (const char c : typed) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte > ' ' && byte < 127) {
            return std::string(1, static_cast<char>(std::toupper(byte)));
        }
    }
    return "";
}

std::string CPersonDialog::ToolTipOf(int controlId) const {
    switch (controlId) {
        case kRoommateAddId:
            return "Choose a person who shares this person's hotel room";
        case kRoommateDeleteId:
            return "Take the chosen roommate out of this person's room";
        case kCommentAddId:
            return "Add a comment about this person";
        case kCommentEditId:
            return "Change the chosen comment";
        case kCommentDeleteId:
            return "Delete the chosen comment";
        default:
            return {};
    }
}

bool CPersonDialog::OnOK() {
    mealPreference = MealPreferenceText(mealPreference);
    // A name of blanks alone would be stored as a person nobody can find by name.
    if (lastName.find_first_not_of(' ') == std::string::npos) {
        store.ui.ShowMessage("No name entered.");
        return false;
    }
    const long type = ComboDataOfText(types);
    if (type < 0) {
        store.ui.ShowMessage("No type selected.");
        return false;
    }
    if (!SecondOfTheNameAllowed()) {
        return false;
    }
    const CPersonType& chosen = PersonTypes()[static_cast<std::size_t>(type)];
    person.gender = chosen.gender;
    person.classLetter = chosen.classLetter;
    person.youth = chosen.youth;
    for (const auto& field : Fields()) {
        person.*field.stored = TextOf(field);
    }
    // Older records carry no note to MC: one given now needs the record layout that has it.
    if (!person.noteToMC.empty() && person.version < 2) {
        person.version = 2;
    }
    person.roommateGroup = roommateGroup;
    person.studioNumber = studioNumber;
    person.mealPreference =
        mealPreference.empty() ? 0 : static_cast<uint8_t>(mealPreference.front());
    return true;
}

bool CPersonDialog::SecondOfTheNameAllowed() const {
    // Only a name newly given is asked about: two persons of one name that the user already
    // allowed are not asked about again at every edit.
    const bool nameKept = store.FindPerson(person.number) == &person &&
                          EqualsIgnoringCase(person.firstName, firstName) &&
                          EqualsIgnoringCase(person.lastName, lastName);
    if (nameKept) {
        return true;
    }
    const bool taken =
        std::any_of(store.personArray.begin(), store.personArray.end(), [&](const auto& other) {
            return other.get() != &person && EqualsIgnoringCase(other->firstName, firstName) &&
                   EqualsIgnoringCase(other->lastName, lastName);
        });
    const std::string name = firstName.empty() ? lastName : firstName + " " + lastName;
    return !taken ||
           store.ui.AskYesNoDefaultNo("There is already a person named " + name + ". Add another?");
}

void CPersonDialog::FillRoommates() {
    roommates.ResetContent();
    if (roommateGroup == -1) {
        return;
    }
    for (const auto& other : store.personArray) {
        if (other->roommateGroup == roommateGroup && other->number != person.number) {
            roommates.AddString(NameText(*other), other->number);
        }
    }
}

void CPersonDialog::OnRoommateAdd() {
    const int32_t group = roommateGroup == -1 ? store.NextRoommateGroup() : roommateGroup;
    CListDialog choose("Select roommate", 'S', 'N', CListDialog::kNoChoice, 0, "", "", "");
    for (const auto& other : store.personArray) {
        if (other->number != person.number) {
            choose.AddItem(other->number, NameText(*other));
        }
    }
    const int chosen = choose.Run(store.ui);
    if (chosen < 0) {
        return;
    }
    roommateGroup = group;
    if (CPersonRecord* roommate = store.FindPerson(chosen)) {
        roommate->roommateGroup = group;
        changedStore = true;
    }
    FillRoommates();
}

void CPersonDialog::OnRoommateDelete() {
    const long number = ListSelectionData(store.ui, roommates, "No roommate selected");
    CPersonRecord* roommate = number < 0 ? nullptr : store.FindPerson(static_cast<int>(number));
    if (roommate == nullptr) {
        return;
    }
    const int32_t group = roommate->roommateGroup;
    roommate->roommateGroup = -1;
    changedStore = true;
    // The group stays while someone besides this person still shares it. The person's own
    // stored group does not count: a new person is not in the store yet, and a stored person
    // may not have been given this group before OK.
    const bool othersRemain =
        std::any_of(store.personArray.begin(), store.personArray.end(), [&](const auto& other) {
            return other->roommateGroup == group && other->number != person.number;
        });
    if (!othersRemain) {
        roommateGroup = -1;
    }
    FillRoommates();
}

void CPersonDialog::FillComments(int positionToSelect) {
    comments.ResetContent();
    const auto& list = person.pCommentArray;
    for (std::size_t i = 0; i < list.size(); ++i) {
        const int line = comments.AddString(list[i].text, static_cast<long>(i));
        if (static_cast<int>(i) == positionToSelect) {
            comments.SetCurSel(line);
        }
    }
}

void CPersonDialog::OnCommentAdd() {
    const std::string text = AskText(store.ui, "Comment", kCommentLength, "", 0);
    if (text.empty()) {
        return;
    }
    person.pCommentArray.push_back({1, 1, text});
    changedStore = true;
    FillComments(static_cast<int>(person.pCommentArray.size()) - 1);
}

void CPersonDialog::OnCommentEdit() {
    const long position = ListSelectionData(store.ui, comments, "No item selected");
    if (position < 0 || position >= static_cast<long>(person.pCommentArray.size())) {
        return;
    }
    CommentEntry& comment = person.pCommentArray[static_cast<std::size_t>(position)];
    const std::string text = AskText(store.ui, "Comment", kCommentLength, comment.text, 0);
    // Cancel and an emptied field both leave the comment as it was.
    if (text.empty() || text == comment.text) {
        return;
    }
    comment.text = text;
    changedStore = true;
    FillComments(static_cast<int>(position));
}

void CPersonDialog::OnCommentDelete() {
    const long position = ListSelectionData(store.ui, comments, "No item selected");
    if (position < 0 || position >= static_cast<long>(person.pCommentArray.size())) {
        return;
    }
    person.pCommentArray.erase(person.pCommentArray.begin() + position);
    changedStore = true;
    FillComments();
}
