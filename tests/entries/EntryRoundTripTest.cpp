// Whatever a user does with forms, the data file written after each change reads back into the
// same entries, grouped into the same forms.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>
#include <utility>

#include "entries/EntryManager.h"
#include "entries/EntryStore.h"
#include "entries/EntryTestStore.h"
#include "formats/DataFileReader.h"

namespace {

// Answers every duplicate question at random; anything else on screen fails the test.
class CRandomAnswerUi : public CUi {
public:
    explicit CRandomAnswerUi(std::mt19937& random) : random_(random) {}
    void ShowMessage(const std::string& text) override { ADD_FAILURE() << "message: " << text; }
    bool AskYesNo(const std::string&) override {
        const bool yes = random_() % 2 == 0;
        ++(yes ? yesAnswers : noAnswers);
        return yes;
    }
    void BeginWaitCursor() override {}
    void EndWaitCursor() override {}
    int RunDialog(CDialogModel& model) override {
        ADD_FAILURE() << "dialog " << model.ResourceId();
        return IDCANCEL;
    }
    void OpenHelp(unsigned) override {}

    int yesAnswers = 0;
    int noAnswers = 0;

private:
    std::mt19937& random_;
};

using CCouple = std::pair<int, int>;

class FormEditor {
public:
    explicit FormEditor(unsigned seed) : random_(seed), ui_(random_), db_(ui_) {
        db_.fieldSeparator = "|";
        db_.dataFileName = dir_.File("Round_Trip.tvr");
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

    // One user action on the forms, ending (as every change does) with a written file.
    void Step() {
        const int action = db_.entryArray.empty() ? 0 : Pick(5);
        if (action == 0) {
            AddForm();
            return;
        }
        const CEntryRecord& entry = *db_.entryArray[Pick(db_.entryArray.size())];
        if (action == 4) {
            DeleteEntryForm(db_, entry.formCode);
            return;
        }
        CEntryManager manager(db_);
        ASSERT_TRUE(manager.BuildEntryformFromProgramRecord(entry));
        CEntryForm& form = manager.form;
        if (action == 1) {
            ChooseDances(form);
        } else if (action == 2) {
            form.level = form.level == kBronze ? kSilver : kBronze;
        } else if (!ChooseFreeCouple(form)) {
            return;
        }
        ASSERT_TRUE(manager.SaveEntryForm());
    }

    // Reads the written file into a store of its own and compares it with this one.
    void ExpectFileReadsBackTheSame() {
        CScriptedUi readUi;
        CDatabase copy(readUi);
        AddEntryCategories(copy);
        copy.dataFileName = db_.dataFileName;
        ASSERT_TRUE(ReadDataFile(copy));
        ASSERT_EQ(copy.entryArray.size(), db_.entryArray.size());
        std::set<int> numbers;
        for (size_t i = 0; i < db_.entryArray.size(); ++i) {
            const CEntryRecord& a = *db_.entryArray[i];
            const CEntryRecord& b = *copy.entryArray[i];
            EXPECT_TRUE(numbers.insert(a.number).second) << "entry number used twice";
            EXPECT_EQ(std::tie(a.type, a.gentleman, a.lady, a.coach, a.dancers, a.owner,
                               a.categoryCode, a.dance, a.level, a.age, a.teamName, a.style,
                               a.statusLetter, a.entryMark, a.kind),
                      std::tie(b.type, b.gentleman, b.lady, b.coach, b.dancers, b.owner,
                               b.categoryCode, b.dance, b.level, b.age, b.teamName, b.style,
                               b.statusLetter, b.entryMark, b.kind))
                << "entry " << i;
            for (size_t j = 0; j < i; ++j) {
                EXPECT_EQ(a.formCode == db_.entryArray[j]->formCode,
                          b.formCode == copy.entryArray[j]->formCode)
                    << "entries " << j << " and " << i << " grouped differently";
            }
        }
    }

    const CRandomAnswerUi& Ui() const { return ui_; }

private:
    size_t Pick(size_t count) { return random_() % count; }

    void AddForm() {
        CEntryManager manager(db_);
        const bool solo = Pick(5) == 0;
        manager.NewForm(solo ? kSolo : kLatin, "AFMP"[Pick(3)]);
        CEntryForm& form = manager.form;
        if (!ChooseFreeCouple(form)) {
            return;
        }
        form.level = Pick(2) == 0 ? kBronze : kSilver;
        form.age = Pick(4) == 0 ? kOpenAge : kAdult;
        if (solo) {
            form.text = "Routine " + std::to_string(Pick(100));
        } else {
            ChooseDances(form);
        }
        ASSERT_TRUE(manager.SaveEntryForm());
    }

    // One to four dances in any order.
    void ChooseDances(CEntryForm& form) {
        if (form.category->DanceCount() == 0) {
            return;
        }
        std::vector<uint8_t> dances = {kChaCha, kRumba, kSamba, kJive};
        std::shuffle(dances.begin(), dances.end(), random_);
        dances.resize(1 + Pick(dances.size()));
        form.dances = dances;
    }

    // Each form dances with a couple no other form has, as the file tells forms apart by couple;
    // the persons themselves are shared, so duplicate questions come up.
    bool ChooseFreeCouple(CEntryForm& form) {
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
        std::tie(form.gentleman, form.lady) = free[Pick(free.size())];
        return true;
    }

    CTempDir dir_;
    std::mt19937 random_;
    CRandomAnswerUi ui_;
    CDatabase db_;
};

TEST(EntryRoundTrip, EveryWrittenFileReadsBackIntoTheSameEntriesAndForms) {
    int yes = 0;
    int no = 0;
    for (unsigned seed = 1; seed <= 25; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        FormEditor editor(seed);
        for (int step = 0; step < 30 && !::testing::Test::HasFailure(); ++step) {
            editor.Step();
            editor.ExpectFileReadsBackTheSame();
        }
        yes += editor.Ui().yesAnswers;
        no += editor.Ui().noAnswers;
    }
    // The sequences did raise duplicate questions, answered both ways.
    EXPECT_GT(yes, 10);
    EXPECT_GT(no, 10);
}

}  // namespace
