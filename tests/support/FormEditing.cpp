#include "support/FormEditing.h"

#include <algorithm>
#include <set>
#include <tuple>
#include <utility>
#include <vector>

#include "entries/EntryManager.h"
#include "entries/EntryStore.h"
#include "formats/DataFileReader.h"
#include "platform/Ui.h"
#include "support/EntryCompetition.h"
#include "support/SilentUi.h"
#include "support/StudioFixtures.h"

namespace {

using CCouple = std::pair<int, int>;

}  // namespace

CFormEditSession::CFormEditSession(std::function<std::size_t(std::size_t)> pick, CUi& ui,
                                   const std::string& dataFile)
    : pick_(std::move(pick)), db_(ui) {
    db_.fieldSeparator = "|";
    db_.dataFileName = dataFile;
    AddEntryCategories(db_);
    // Lady and gentleman pro/am forms meet in the duplicate test too.
    db_.FindCategory(kLatin)->proAmTogether = 'V';
    AddStudio(db_, "Round Trip");
    // Gentlemen 1 to 4, ladies 5 to 8; two of each are professionals.
    for (int i = 0; i < 8; ++i) {
        AddPersonRecord(db_, i < 4 ? 'M' : 'F', i % 2 == 0 ? 'P' : 'A', 0,
                        "First" + std::to_string(i), "Last" + std::to_string(i));
    }
}

std::string CFormEditSession::Step() {
    const std::size_t action = db_.entryArray.empty() ? 0 : pick_(5);
    if (action == 0) {
        return AddForm();
    }
    const CEntryRecord& entry = *db_.entryArray[pick_(db_.entryArray.size())];
    if (action == 4) {
        DeleteEntryForm(db_, entry.formCode);
        return {};
    }
    CEntryManager manager(db_);
    if (!manager.BuildEntryformFromProgramRecord(entry)) {
        return "a stored form could not be opened";
    }
    CEntryForm& form = manager.form;
    if (action == 1) {
        ChooseDances(form);
    } else if (action == 2) {
        form.level = form.level == kBronze ? kSilver : kBronze;
    } else if (!ChooseFreeCouple(form)) {
        return {};
    }
    // Every dance refused as a duplicate changes nothing, which the file check below confirms.
    return manager.SaveEntryForm() || manager.LastSaveRefusedEveryDance()
               ? std::string()
               : "a changed form was not saved";
}

std::string CFormEditSession::AddForm() {
    CEntryManager manager(db_);
    const bool solo = pick_(5) == 0;
    manager.NewForm(solo ? kSolo : kLatin, "AFMP"[pick_(3)]);
    CEntryForm& form = manager.form;
    if (!ChooseFreeCouple(form)) {
        return {};
    }
    form.level = pick_(2) == 0 ? kBronze : kSilver;
    form.age = pick_(4) == 0 ? kOpenAge : kAdult;
    if (solo) {
        form.text = "Routine " + std::to_string(pick_(100));
    } else {
        ChooseDances(form);
    }
    return manager.SaveEntryForm() || manager.LastSaveRefusedEveryDance()
               ? std::string()
               : "a new form was not saved";
}

void CFormEditSession::ChooseDances(CEntryForm& form) {
    if (form.category->DanceCount() == 0) {
        return;
    }
    // One to four dances in any order.
    std::vector<uint8_t> dances = {kChaCha, kRumba, kSamba, kJive};
    for (std::size_t i = dances.size(); i > 1; --i) {
        std::swap(dances[i - 1], dances[pick_(i)]);
    }
    dances.resize(1 + pick_(dances.size()));
    form.dances = dances;
}

bool CFormEditSession::ChooseFreeCouple(CEntryForm& form) {
    std::set<CCouple> used;
    for (const auto& entry : db_.entryArray) {
        used.insert({entry->gentleman, entry->lady});
    }
    std::vector<CCouple> free;
    for (int gentleman = 1; gentleman <= 4; ++gentleman) {
        for (int lady = 5; lady <= 8; ++lady) {
            if (used.count({gentleman, lady}) == 0) {
                free.emplace_back(gentleman, lady);
            }
        }
    }
    if (free.empty()) {
        return false;
    }
    std::tie(form.gentleman, form.lady) = free[pick_(free.size())];
    return true;
}

std::string CFormEditSession::DifferenceFromFile() const {
    CSilentUi quiet;
    CDatabase copy(quiet);
    AddEntryCategories(copy);
    copy.dataFileName = db_.dataFileName;
    if (!ReadDataFile(copy)) {
        return "the written file cannot be read";
    }
    if (copy.entryArray.size() != db_.entryArray.size()) {
        return "the file holds " + std::to_string(copy.entryArray.size()) + " entries, not " +
               std::to_string(db_.entryArray.size());
    }
    std::set<int> numbers;
    for (std::size_t i = 0; i < db_.entryArray.size(); ++i) {
        const CEntryRecord& a = *db_.entryArray[i];
        const CEntryRecord& b = *copy.entryArray[i];
        if (!numbers.insert(a.number).second) {
            return "entry number " + std::to_string(a.number) + " used twice";
        }
        if (std::tie(a.type, a.gentleman, a.lady, a.coach, a.dancers, a.owner, a.categoryCode,
                     a.dance, a.level, a.age, a.teamName, a.style, a.statusLetter, a.entryMark,
                     a.kind) != std::tie(b.type, b.gentleman, b.lady, b.coach, b.dancers, b.owner,
                                         b.categoryCode, b.dance, b.level, b.age, b.teamName,
                                         b.style, b.statusLetter, b.entryMark, b.kind)) {
            return "entry " + std::to_string(i) + " reads back differently";
        }
        for (std::size_t j = 0; j < i; ++j) {
            if ((a.formCode == db_.entryArray[j]->formCode) !=
                (b.formCode == copy.entryArray[j]->formCode)) {
                return "entries " + std::to_string(j) + " and " + std::to_string(i) +
                       " are grouped differently";
            }
        }
    }
    return {};
}
