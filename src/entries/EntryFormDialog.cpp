#include "entries/EntryFormDialog.h"

#include <algorithm>

#include "data/Database.h"
#include "entries/EntryPricing.h"
#include "persons/PersonLists.h"
#include "persons/PersonOperations.h"
#include "platform/Ui.h"
#include "util/Collation.h"
#include "util/Money.h"

namespace {

// Level and age codes of a follow-up form that has none chosen yet.
constexpr uint8_t kNotChosen = 255;

// The persons a box offers (person types 0 to 5) and its label, by entry type.
struct CPersonBox {
    int type;
    const char* label;
};
struct CCoupleBoxes {
    char entryType;
    CPersonBox gentleman;
    CPersonBox lady;
};
constexpr CCoupleBoxes kCoupleBoxes[] = {
    {'A', {2, "Gentleman name"}, {3, "Lady name"}},
    {'a', {4, "Gentleman name"}, {5, "Lady name"}},
    {'F', {0, "Gentleman teacher"}, {3, "Lady student"}},
    {'f', {0, "Gentleman teacher"}, {5, "Lady student"}},
    {'M', {2, "Gentleman student"}, {1, "Lady teacher"}},
    {'m', {4, "Gentleman student"}, {1, "Lady teacher"}},
    {'P', {0, "Gentleman name"}, {1, "Lady name"}},
};

const char* EntryTypeText(char type) {
    switch (type) {
        case 'G':
            return "Group entry";
        case 'A':
            return "Adult amateur couple";
        case 'F':
            return "Adult lady pro/am";
        case 'M':
            return "Adult gentleman pro/am";
        case 'P':
            return "Professional couple";
        case 'a':
            return "Youth amateur couple";
        case 'f':
            return "youth lady pro/am";
        case 'm':
            return "Youth gentleman pro/am";
    }
    return "";
}

bool IsYouthType(char type) {
    return type == 'f' || type == 'm' || type == 'a';
}

// An age group suits adult types when it is not for youth, youth types when it is, and groups
// always.
bool AgeSuits(const AgeItem& age, char type) {
    if (type == 'G') {
        return true;
    }
    return (age.youth != 0) == IsYouthType(type);
}

// The class letter and youth flag a person dances with in an entry of `type`: the gentleman of
// a lady pro/am entry and both of a professional couple are professionals, the others amateurs.
struct CRole {
    char classLetter;
    uint8_t youth;
};
CRole GentlemanRole(char type) {
    if (type == 'P' || type == 'F' || type == 'f') {
        return {'P', 0};
    }
    return {'A', static_cast<uint8_t>(type == 'm' || type == 'a' ? 1 : 0)};
}
CRole LadyRole(char type) {
    if (type == 'P' || type == 'M' || type == 'm') {
        return {'P', 0};
    }
    return {'A', static_cast<uint8_t>(type == 'f' || type == 'a' ? 1 : 0)};
}

void SetRole(CPersonRecord* person, char gender, CRole role) {
    if (person == nullptr) {
        return;
    }
    if (person->gender != gender) {
        person->gender = gender;
    }
    if (person->classLetter != role.classLetter) {
        person->classLetter = role.classLetter;
    }
    if (person->youth != role.youth) {
        person->youth = role.youth;
    }
}

// Selects the line whose item data is `data`, if there is one.
void SelectData(CListModel& list, long data) {
    const int line = list.FindItemData(data);
    if (line >= 0) {
        list.SetCurSel(line);
    }
}

}  // namespace

const std::array<CEntryFormDialog::ActionButton, 5>& CEntryFormDialog::NewFormButtons() {
    static const std::array<ActionButton, 5> buttons{{
        {kNoDataId, kActionNoData, "No data F5"},
        {kSameDancesId, kActionSameDances, "Same dances F6"},
        {kSameCoupleId, kActionSameCouple, "Same couple F7"},
        {kSameManId, kActionSameMan, "Same man F8"},
        {kSameLadyId, kActionSameLady, "Same lady F9"},
    }};
    return buttons;
}

std::string CEntryFormDialog::ToolTipOf(int controlId) const {
    switch (controlId) {
        case kNoDataId:
            return "Save this form, then start an empty form of any type and category (F5). F10 "
                   "does the same keeping only the studio.";
        case kSameDancesId:
            return "Save this form, then start another with the same dancers and dances, for "
                   "another level or age (F6)";
        case kSameCoupleId:
            return "Save this form, then start another for the same couple in another "
                   "category (F7)";
        case kSameManId:
            return "Save this form, then start another for the same gentleman with another "
                   "lady (F8)";
        case kSameLadyId:
            return "Save this form, then start another for the same lady with another "
                   "gentleman (F9)";
        case kDancerAddId:
            return "Add a dancer to the group";
        case kDancerDeleteId:
            return "Take the chosen dancer out of the group";
        case kDancerUpId:
            return "Move the chosen dancer up the list";
        case kDancerDownId:
            return "Move the chosen dancer down the list";
        default:
            return {};
    }
}

int CEntryFormDialog::ActionOfFunctionKey(int number) {
    if (number >= 5 && number <= 9) {
        return NewFormButtons()[static_cast<size_t>(number - 5)].action;
    }
    return number == 10 ? kActionNoPersons : -1;
}

CEntryFormDialog::CEntryFormDialog(CDatabase& store, CEntryForm& form)
    : store(store), form(form), copy(form) {
    if (copy.level == kNotChosen) {
        copy.level = 0;
    }
    if (copy.age == kNotChosen) {
        copy.age = 0;
    }
    text = copy.text;
    DecideParts();
    PlaceControls();
    FillPersonBoxes();
    FillDancers();
    FillCategoryLists();
    openedControls_ = ControlsState();
}

std::string CEntryFormDialog::CostText() const {
    const CDanceCategory* category = form.category;
    if (category == nullptr || store.showDancePrices == 0) {
        return {};
    }
    CEntryRecord entry;
    entry.type = copy.entryType;
    entry.categoryCode = category->code;
    entry.gentleman = static_cast<int32_t>(gentlemanBox.DataOfText());
    entry.lady = static_cast<int32_t>(ladyBox.DataOfText());
    if (usesLevels) {
        const int level = levels.GetCurSel();
        if (level < 0) {
            return "Cost: choose a level to see it";
        }
        entry.level = static_cast<uint8_t>(levels.GetItemData(level));
    }
    // One entry per chosen dance, or one for a category without dances, as the form is saved.
    std::vector<uint8_t> codes;
    if (category->DanceCount() == 0) {
        codes.push_back(0);
    } else {
        for (const int line : dances.SelectedIndexes()) {
            codes.push_back(static_cast<uint8_t>(dances.GetItemData(line)));
        }
    }
    int64_t total = 0;
    int64_t first = -1;
    bool sameFee = true;
    for (const uint8_t code : codes) {
        entry.dance = code;
        const int64_t fee = EntryPrice(store, *category, entry);
        sameFee = sameFee && (first < 0 || fee == first);
        first = first < 0 ? fee : first;
        total += fee;
    }
    std::string text = "Cost: ";
    if (codes.size() > 1 && sameFee) {
        text.append(std::to_string(codes.size())).append(" x ").append(FormatCents(first));
        text.append(" = ");
    }
    text.append(FormatCents(total));
    if (codes.size() > 1 && !sameFee) {
        text.append(" for ").append(std::to_string(codes.size())).append(" dances");
    }
    if (!codes.empty()) {
        text.append(SurchargeNote(entry));
    }
    return text;
}

std::string CEntryFormDialog::SurchargeNote(const CEntryRecord& entry) const {
    if (SetNPInc(store, entry.gentleman, entry.lady, entry.type) != 1) {
        return {};
    }
    // Who brings it, so that the user knows whose package to look at.
    CStringList names;
    for (const int number :
         PersonsBringingSurcharge(store, entry.gentleman, entry.lady, entry.type)) {
        if (const CPersonRecord* person = store.FindReferencedPerson(number)) {
            names.push_back(person->firstName.empty() ? person->lastName
                                                      : person->firstName + " " + person->lastName);
        }
    }
    if (names.empty()) {
        return " (with the surcharge for dancers without a hotel package)";
    }
    const std::string who =
        names.size() == 1 ? names[0] + " has" : names[0] + " and " + names[1] + " have";
    return " (with the surcharge: " + who + " no hotel package)";
}

void CEntryFormDialog::FillCategoryLists() {
    const CDanceCategory* category = form.category;
    if (category == nullptr) {
        return;
    }
    for (const auto& dance : category->pcaDances) {
        const int line = dances.AddString(dance.name, dance.code);
        if (std::find(copy.dances.begin(), copy.dances.end(), dance.code) != copy.dances.end()) {
            dances.SetSel(line, true);
        }
    }
    for (const auto& level : category->pcaLevels) {
        levels.AddString(level.name, level.code);
    }
    SelectData(levels, copy.level);
    for (const auto& age : category->pcaAges) {
        if (AgeSuits(age, copy.entryType)) {
            ages.AddString(age.rangeText.empty() ? age.name : age.name + " (" + age.rangeText + ")",
                           age.code);
        }
    }
    SelectData(ages, copy.age);
    title = std::string(EntryTypeText(copy.entryType)) + " in " + category->name;
}

void CEntryFormDialog::DecideParts() {
    const CDanceCategory* category = form.category;
    if (category == nullptr) {
        return;
    }
    const bool hasDances = category->DanceCount() != 0;
    const char kind = form.kind;
    usesDances = kind != 'S' && hasDances;
    usesText = kind == 'S' || !hasDances || (kind == 'G' && category->style == 'T');
    usesDancers = kind == 'S' || kind == 'G';
    usesGentleman = kind != 'G';
    usesLady = kind != 'G';
    usesCoach = copy.entryType == 'A' || copy.entryType == 'a';
    usesLevels = category->LevelCount() != 0;
    usesAges = category->AgeCount() != 0;
    if (kind == 'S') {
        dancersLabel = "Other dancers";
    }
    for (const auto& boxes : kCoupleBoxes) {
        if (boxes.entryType == copy.entryType) {
            gentlemanType = boxes.gentleman.type;
            gentlemanLabel = boxes.gentleman.label;
            ladyType = boxes.lady.type;
            ladyLabel = boxes.lady.label;
        }
    }
}

void CEntryFormDialog::PlaceControls() {
    const CDanceCategory* category = form.category;
    if (category == nullptr) {
        return;
    }
    constexpr int kDancerButtons[] = {kDancerAddId, kDancerDeleteId, kDancerUpId, kDancerDownId};
    if (form.kind == 'S') {
        placements[kDancersLabelId] = {10, 95, 120, 14};
        placements[kDancersId] = {10, 110, 130, 180};
        for (int i = 0; i < 4; ++i) {
            placements[kDancerButtons[i]] = {145, 105 + 20 * i, 40, 20};
        }
    } else if (form.kind == 'G') {
        placements[kDancersLabelId] = {10, -1, 40, 14};
        for (int i = 0; i < 4; ++i) {
            placements[kDancerButtons[i]] = {145, 15 + 20 * i, 40, 20};
        }
        if (usesDances) {
            placements[kDancersId] = {10, 15, 130, 150};
            placements[kDancesId] = {10, 185, 130, 160};
            placements[kDancesLabelId] = {10, 170, 50, 13};
        } else {
            placements[kDancersId] = {10, 15, 130, 275};
        }
    }
    if (!usesText) {
        return;
    }
    if (!usesDancers) {
        placements[kTextId] = {5, 110, 175, 20};
    } else if (category->style == 'T') {
        textLabel = kTeamNameLabel;
        placements[kDancesLabelId] = {250, 5, 80, 13};
        placements[kTextId] = {250, 25, 175, 20};
    } else {
        placements[kDancesLabelId] = {5, 315, 50, 13};
        placements[kTextId] = {5, 330, 175, 20};
    }
}

void CEntryFormDialog::FillPersonBoxes() {
    // A box keeps the person chosen in it, so that filling it again after a new person was
    // added loses nobody's choice; a box not chosen in shows the person the form holds.
    const auto fill = [this](CTypeAheadBox& box, int type, int held, bool withNone) {
        const std::string shown = box.list.EditText();
        FillPersonCombo(store, box.list, type, held, true, withNone);
        if (withNone) {
            // The coach box offers professional gentlemen and ladies alike, together by name
            // after "<None>".
            FillPersonCombo(store, box.list, 1, held, false, false);
            std::vector<CListItem> persons(box.list.Items().begin() + 1, box.list.Items().end());
            std::stable_sort(persons.begin(), persons.end(),
                             [](const CListItem& a, const CListItem& b) {
                                 return CollatesBefore(a.text, b.text);
                             });
            box.list.ResetContent();
            box.list.AddString("<None>", -1);
            for (const CListItem& person : persons) {
                const int line = box.list.AddString(person.text, person.data);
                box.list.SetTip(line, person.tip);
                if (person.data == held) {
                    box.list.SetCurSel(line);
                }
            }
        }
        if (!shown.empty()) {
            box.list.SetEditText(shown);
        }
    };
    if (usesGentleman) {
        fill(gentlemanBox, gentlemanType, copy.gentleman, false);
    }
    if (usesLady) {
        fill(ladyBox, ladyType, copy.lady, false);
    }
    if (usesCoach) {
        fill(coachBox, 0, copy.coach, true);
    }
}

void CEntryFormDialog::FillDancers() {
    dancers.ResetContent();
    for (const int dancer : copy.dancers) {
        dancers.AddString(store.PersonNameText(dancer, 0), dancer);
    }
}

bool CEntryFormDialog::IsShown(int id) const {
    switch (id) {
        case kHintId:
        case kGentlemanLabelId:
        case kGentlemanId:
            return usesGentleman;
        case kLadyLabelId:
        case kLadyId:
            return usesLady;
        case kCoachLabelId:
        case kCoachId:
            return usesCoach;
        case kDancesId:
            return usesDances;
        case kDancesLabelId:
            return usesDances || usesText;
        case kTextId:
            return usesText;
        case kDancersLabelId:
        case kDancersId:
        case kDancerAddId:
        case kDancerDeleteId:
        case kDancerUpId:
        case kDancerDownId:
            return usesDancers;
        case kLevelsLabelId:
        case kLevelsId:
            return usesLevels;
        case kAgesLabelId:
        case kAgesId:
            return usesAges;
        case kSameDancesId:
        case kSameCoupleId:
        case kSameManId:
        case kSameLadyId:
            return form.kind != 'G';
    }
    return true;
}

int CEntryFormDialog::ControlOfAltKey(char letter) const {
    int id = 0;
    switch (letter) {
        case 'A':
            id = kAgesId;
            break;
        case 'D':
            id = kDancesId;
            break;
        case 'L':
            id = kLevelsId;
            break;
    }
    return id != 0 && IsShown(id) ? id : 0;
}

bool CEntryFormDialog::Validate() {
    if (form.category == nullptr) {
        return false;
    }
    copy.text = text;
    if (usesGentleman) {
        copy.gentleman = static_cast<int>(gentlemanBox.DataOfText());
        if (copy.gentleman == -1) {
            store.ui.ShowMessage("Valid male name required");
            return false;
        }
    }
    if (usesLady) {
        copy.lady = static_cast<int>(ladyBox.DataOfText());
        if (copy.lady == -1) {
            store.ui.ShowMessage("Valid lady name required");
            return false;
        }
    }
    if (usesCoach) {
        copy.coach = static_cast<int>(coachBox.DataOfText());
    }
    if (usesDances) {
        copy.dances.clear();
        for (const int line : dances.SelectedIndexes()) {
            copy.dances.push_back(static_cast<uint8_t>(dances.GetItemData(line)));
        }
    }
    if (form.category->DanceCount() != 0 && copy.dances.empty()) {
        store.ui.ShowMessage("No dances selected");
        return false;
    }
    if (usesDancers) {
        copy.dancers.clear();
        for (const auto& line : dancers.Items()) {
            copy.dancers.push_back(static_cast<int32_t>(line.data));
        }
    }
    if (usesLevels) {
        const int line = ListSelection(store.ui, levels, "No level selected");
        if (line < 0) {
            return false;
        }
        copy.level = static_cast<uint8_t>(levels.GetItemData(line));
    }
    if (usesAges) {
        const int line = ListSelection(store.ui, ages, "No age selected");
        if (line < 0) {
            return false;
        }
        copy.age = static_cast<uint8_t>(ages.GetItemData(line));
    }
    if (usesText && copy.text.empty()) {
        store.ui.ShowMessage(form.category->style == 'T' ? "No team name entered."
                                                         : "No dance name entered.");
        return false;
    }
    return true;
}

bool CEntryFormDialog::IsChanged() const {
    return unsaved || copy.owner != form.owner || copy.gentleman != form.gentleman ||
           copy.lady != form.lady || copy.coach != form.coach || copy.level != form.level ||
           copy.age != form.age || copy.carriedNumber != form.carriedNumber ||
           copy.dances != form.dances || copy.dancers != form.dancers ||
           copy.statusLetter != form.statusLetter || copy.amount != form.amount ||
           copy.carriedLetter != form.carriedLetter || copy.carriedNumber2 != form.carriedNumber2 ||
           copy.text != form.text;
}

std::optional<int> CEntryFormDialog::OnAction(int action) {
    if (!Validate()) {
        return std::nullopt;
    }
    if (!IsChanged()) {
        return Result(action, false);
    }
    form.owner = copy.owner;
    form.gentleman = copy.gentleman;
    form.lady = copy.lady;
    RewriteRoles();
    if (usesDances) {
        form.dances = copy.dances;
    }
    form.carriedNumber = copy.carriedNumber;
    form.dancers.clear();
    if (usesDancers) {
        form.dancers = copy.dancers;
    }
    form.level = copy.level;
    form.age = copy.age;
    form.coach = copy.coach;
    form.statusLetter = copy.statusLetter;
    form.amount = copy.amount;
    form.carriedLetter = copy.carriedLetter;
    form.carriedNumber2 = copy.carriedNumber2;
    form.text = copy.text;
    return Result(action, true);
}

void CEntryFormDialog::RewriteRoles() const {
    // A group names no couple.
    if (form.entryType == 'G') {
        return;
    }
    if (form.gentleman != -1) {
        SetRole(store.FindPerson(form.gentleman), 'M', GentlemanRole(form.entryType));
    }
    if (form.lady != -1) {
        SetRole(store.FindPerson(form.lady), 'F', LadyRole(form.entryType));
    }
}

std::string CEntryFormDialog::ControlsState() const {
    std::string state;
    for (const CTypeAheadBox* box : {&gentlemanBox, &ladyBox, &coachBox}) {
        state += box->list.EditText() + '\n';
    }
    for (const CListModel* list : {&dances, &levels, &ages}) {
        for (const int line : list->SelectedIndexes()) {
            state += std::to_string(line) + ' ';
        }
        state += '\n';
    }
    return state + text;
}

bool CEntryFormDialog::OnCancel() {
    // What the last check and the dancer list took, and what was typed or chosen since the form
    // opened without being checked yet: either is a change the user would lose.
    return (!IsChanged() && ControlsState() == openedControls_) ||
           store.ui.AskYesNo("You have made changes. Are you sure you want to cancel?");
}

void CEntryFormDialog::OnHelp() {
    store.ui.OpenHelp(HelpContext());
}

void CEntryFormDialog::OnDancerAdd() {
    std::vector<int> chosen;
    if (SelectPerson(store, 0, 0, chosen) != CListDialog::kMultipleOK) {
        return;
    }
    copy.dancers.insert(copy.dancers.end(), chosen.begin(), chosen.end());
    FillDancers();
}

void CEntryFormDialog::OnDancerDelete() {
    const int line = ListSelection(store.ui, dancers, "No dancer selected");
    if (line < 0) {
        return;
    }
    const auto dancer = static_cast<int32_t>(dancers.GetItemData(line));
    const auto first = std::find(copy.dancers.begin(), copy.dancers.end(), dancer);
    if (first != copy.dancers.end()) {
        copy.dancers.erase(first);
    }
    FillDancers();
}

void CEntryFormDialog::OnDancerUp() {
    const int line = ListSelection(store.ui, dancers, "No dancer selected");
    if (line < 0) {
        return;
    }
    if (line == 0) {
        store.ui.ShowMessage("Can't move first dancer up");
        return;
    }
    MoveDancer(line, line - 1);
}

void CEntryFormDialog::OnDancerDown() {
    const int line = ListSelection(store.ui, dancers, "No dancer selected");
    if (line < 0) {
        return;
    }
    if (line == dancers.GetCount() - 1) {
        store.ui.ShowMessage("Can't move last item down");
        return;
    }
    MoveDancer(line, line + 1);
}

void CEntryFormDialog::MoveDancer(int from, int to) {
    std::swap(copy.dancers.at(static_cast<size_t>(from)), copy.dancers.at(static_cast<size_t>(to)));
    FillDancers();
    dancers.SetCurSel(to);
}

void CEntryFormDialog::OnAddPerson() {
    if (AddPerson(store) == 1) {
        FillPersonBoxes();
    }
}
