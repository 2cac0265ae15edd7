#include "dialogs/TextDialog.h"

#include <gtest/gtest.h>

#include "support/ScriptedUi.h"

TEST(TextDialog, TypedTextIsCutToTheMaximumLengthAndTurnedToItsCase) {
    CTextDialog drive("Drive", 1, "A", 'U');
    drive.SetText("bx");
    EXPECT_EQ(drive.text, "B");

    CTextDialog lower("Comment", 60, "", 'L');
    lower.SetText("Vegetarian MEAL");
    EXPECT_EQ(lower.text, "vegetarian meal");
}

TEST(TextDialog, AStoredTextLongerThanTheLimitSurvivesBeingConfirmed) {
    // A comment read from a data file may be longer than the 60 characters the dialog allows.
    const std::string stored(75, 'c');
    CScriptedUi ui;
    ui.ExpectDialog<CTextDialog>(std::function<int(CTextDialog&)>([&stored](CTextDialog& dialog) {
        EXPECT_EQ(dialog.Limit(), 75);
        dialog.SetText(dialog.text);
        return IDOK;
    }));
    EXPECT_EQ(AskText(ui, "Comment", 60, stored, 0), stored);

    // Typing on still cannot make it longer than it was.
    CTextDialog comment("Comment", 60, stored, 0);
    comment.SetText(stored + "more");
    EXPECT_EQ(comment.text, stored);
}
