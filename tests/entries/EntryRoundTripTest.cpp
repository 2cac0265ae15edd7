// Whatever a user does with forms, the data file written after each change reads back into the
// same entries, grouped into the same forms.
#include <gtest/gtest.h>

#include <random>

#include "dialogs/DialogModel.h"
#include "platform/Ui.h"
#include "support/FormEditing.h"
#include "support/StudioFixtures.h"

namespace {

// Answers every duplicate question at random; anything else on screen fails the test.
class CRandomAnswerUi : public CUi {
public:
    explicit CRandomAnswerUi(std::mt19937& random) : random_(random) {}
    // Refused duplicates are told; nothing else may be.
    void ShowMessage(const std::string& text) override {
        if (text.rfind("Nothing was saved: every dance", 0) != 0) {
            ADD_FAILURE() << "message: " << text;
        }
    }
    void ShowInformation(const std::string& text) override {
        if (text.find("Left out as duplicates:") == std::string::npos) {
            ADD_FAILURE() << "information: " << text;
        }
    }
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

TEST(EntryRoundTrip, EveryWrittenFileReadsBackIntoTheSameEntriesAndForms) {
    int yes = 0;
    int no = 0;
    for (unsigned seed = 1; seed <= 25; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        std::mt19937 random(seed);
        CRandomAnswerUi ui(random);
        CTempDir dir;
        CFormEditSession session([&random](std::size_t n) { return random() % n; }, ui,
                                 dir.File("Round_Trip.tvr"));
        for (int step = 0; step < 30 && !::testing::Test::HasFailure(); ++step) {
            ASSERT_EQ(session.Step(), "");
            ASSERT_EQ(session.DifferenceFromFile(), "") << "after step " << step;
        }
        yes += ui.yesAnswers;
        no += ui.noAnswers;
    }
    // The sequences did raise duplicate questions, answered both ways.
    EXPECT_GT(yes, 10);
    EXPECT_GT(no, 10);
}

}  // namespace
