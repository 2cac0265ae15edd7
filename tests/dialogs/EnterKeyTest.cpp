#include "dialogs/EnterKey.h"

#include <gtest/gtest.h>

namespace {

CFocusedControl Focus(EControlKind kind, ECheckState check = ECheckState::Unchecked) {
    return {kind, check};
}

}  // namespace

TEST(HandleEnterKey, EditsListsAndCombosMoveOnLikeTab) {
    auto edit = Focus(EControlKind::Other);
    EXPECT_EQ(HandleEnterKey(edit), kTabKey);
    auto groupBox = Focus(EControlKind::OtherButton);
    EXPECT_EQ(HandleEnterKey(groupBox), kTabKey);
}

TEST(HandleEnterKey, PushButtonAndMultiLineEditKeepEnter) {
    auto button = Focus(EControlKind::PushButton);
    EXPECT_EQ(HandleEnterKey(button), kEnterKey);
    auto notes = Focus(EControlKind::MultiLineEdit);
    EXPECT_EQ(HandleEnterKey(notes), kEnterKey);
}

TEST(HandleEnterKey, CheckBoxTogglesAndMovesOn) {
    auto box = Focus(EControlKind::CheckBox, ECheckState::Unchecked);
    EXPECT_EQ(HandleEnterKey(box), kTabKey);
    EXPECT_EQ(box.check, ECheckState::Checked);
    EXPECT_EQ(HandleEnterKey(box), kTabKey);
    EXPECT_EQ(box.check, ECheckState::Unchecked);

    auto grey = Focus(EControlKind::CheckBox, ECheckState::Indeterminate);
    HandleEnterKey(grey);
    EXPECT_EQ(grey.check, ECheckState::Checked);
}

TEST(HandleEnterKey, RadioButtonIsSetNeverCleared) {
    auto radio = Focus(EControlKind::RadioButton, ECheckState::Unchecked);
    EXPECT_EQ(HandleEnterKey(radio), kTabKey);
    EXPECT_EQ(radio.check, ECheckState::Checked);
    EXPECT_EQ(HandleEnterKey(radio), kTabKey);
    EXPECT_EQ(radio.check, ECheckState::Checked);
}
