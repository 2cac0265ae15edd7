#include "entries/EntryDescriptions.h"

#include <gtest/gtest.h>

#include "entries/EntryTestStore.h"

namespace {

using EntryDescriptions = EntryTest;

TEST_F(EntryDescriptions, CategoryDescriptionPutsTheAgeBeforeTheLevelAndEndsWithDanceOrTeam) {
    CEntryRecord& entry = AddEntry(db, kLatin, kChaCha, 'A', kTom, kAnn);
    entry.level = kBronze;
    entry.age = kAdult;
    EXPECT_EQ(DescribeEntry(db, entry, false), "Latin, Adult, Bronze");
    EXPECT_EQ(DescribeEntry(db, entry, true), "Latin, Adult, Bronze, Cha Cha");
    entry.teamName = "Fire";
    EXPECT_EQ(DescribeEntry(db, entry, true), "Latin, Adult, Bronze, Fire");

    // A dance the category lacks leaves the blank, except where the style names it.
    entry.teamName.clear();
    entry.dance = 99;
    entry.level = 77;
    EXPECT_EQ(DescribeEntry(db, entry, true), "Latin, Adult, ");
    CEntryRecord& show = AddEntry(db, kSolo, 9, 'A', kTom, kAnn);
    EXPECT_EQ(DescribeEntry(db, show, true), "Solo, Show Dance");

    // A category no longer in the setup file has no description.
    entry.categoryCode = 99;
    EXPECT_EQ(DescribeEntry(db, entry, true), "");
}

TEST_F(EntryDescriptions, FormLinesNameThePartnersButNotThePersonWhoseListItIs) {
    CEntryRecord& couple = AddEntry(db, kLatin, kRumba, 'A', kTom, kAnn);
    couple.level = kSilver;
    EXPECT_EQ(DescribeForm(db, couple, 'S', 1), "Latin, Silver, with Tom Fox and Ann Lee");
    EXPECT_EQ(DescribeForm(db, couple, 'P', kTom), "Latin, Silver, with Ann Lee");
    EXPECT_EQ(DescribeForm(db, couple, 'P', kAnn), "Latin, Silver, with Tom Fox");

    CEntryRecord& group = AddEntry(db, kLatin, kRumba, 'G', -1, -1);
    group.dancers = {kTom, kAnn};
    EXPECT_EQ(DescribeForm(db, group, 'S', 1), DescribeEntry(db, group, false));
    EXPECT_EQ(CoupleLabel(db, group), "Studio");

    // A person number that no person has any more is left out, never shown as a blank name.
    CEntryRecord& orphan = AddEntry(db, kLatin, kRumba, 'A', 42, kAnn);
    EXPECT_EQ(DescribeForm(db, orphan, 'S', 1), "Latin, with Ann Lee");
    EXPECT_EQ(CoupleLabel(db, orphan), "Studio");
    orphan.lady = 43;
    EXPECT_EQ(DescribeForm(db, orphan, 'S', 1), "Latin");
}

TEST_F(EntryDescriptions, CoupleLabelNamesTheLadyFirstOnlyInLadyProAmEntries) {
    EXPECT_EQ(CoupleLabel(db, AddEntry(db, kLatin, kRumba, 'F', kBob, kAnn)), "Ann Lee/Bob Ray");
    EXPECT_EQ(CoupleLabel(db, AddEntry(db, kLatin, kRumba, 'f', kBob, kAnn)), "Ann Lee/Bob Ray");
    EXPECT_EQ(CoupleLabel(db, AddEntry(db, kLatin, kRumba, 'M', kTom, kEve)), "Tom Fox/Eve Moss");
    EXPECT_EQ(CoupleLabel(db, AddEntry(db, kLatin, kRumba, 'F', kBob, -1)), "Bob Ray");
    EXPECT_EQ(CoupleLabel(db, AddEntry(db, kLatin, kRumba, 'F', -1, kAnn)), "Studio");
}

}  // namespace
