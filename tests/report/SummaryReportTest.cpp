// The summary report as the studio reads it: persons with their entry counts, the entries under
// their couples with subtotals, the purchases, the total and the rooming list.
#include <gtest/gtest.h>

#include <filesystem>

#include <algorithm>

#include "entries/EntryFormDialog.h"
#include "entries/EntryManager.h"
#include "report/ReportTestStore.h"
#include "report/ReportWindow.h"
#include "report/SummaryReport.h"
#include "support/StudioFixtures.h"

namespace {

class SummaryReportTest : public ::testing::Test, public CReportTestStore {
protected:
    // Two couples (three dances), a lone room group, three roommates of whom the lady bought no
    // room, a package, a studio purchase and a purchase of an item the setup no longer lists.
    void SetUp() override {
        // Stored out of couple order: the report groups them.
        AddLatin(1, 'F', kTurner, kCollins);
        AddLatin(1, 'A', kPark, kChen);
        AddLatin(2, 'F', kTurner, kCollins);
        for (const int person : {kTurner, kCollins, kKim}) {
            db.FindPerson(person)->roommateGroup = 7;
        }
        db.FindPerson(kPark)->roommateGroup = 9;
        AddPurchase(db, 'P', kHotelPackage, kTurner, "Weekend with Hotel", 40000);
        AddPurchase(db, 'O', kRoom, kKim, "Hotel Room", 25000);
        AddPurchase(db, 'O', kDayPass, -1, "Day Pass", 3500).quantity = 3;
        AddPurchase(db, 'O', 77, kCollins, "Gala", 6000);
    }

    CStringList Build() {
        CStringList lines;
        EXPECT_TRUE(BuildSummaryReport(db, lines));
        return lines;
    }

    static constexpr const char* kMissingItem =
        "Package 77 for Collins, Sarah - Gala (1) not found. Price will be set to zero.";
};

TEST_F(SummaryReportTest, PricedReportWithSubtotalsTotalAndRoomingList) {
    const CStringList expected = {
        "Star Dance",
        "",
        "Persons attending competition:",
        "",
        "Michael Turner, gentleman professional (2 dance entries)",
        "Sarah Collins, adult lady amateur (2 dance entries)",
        "Grace Kim, non-competitor",
        "David Park, adult gentleman amateur (1 dance entries)",
        "Emily Chen, youth lady amateur (1 dance entries)",
        "",
        "Dance entries:",
        "",
        // The lady leads a lady pro/am couple; her teacher's hotel package spares the surcharge.
        "Sarah Collins/Michael Turner",
        "    38.00 Latin, Adult, Bronze, Cha Cha",
        "    38.00 Latin, Adult, Bronze, Rumba",
        "Subtotal     76.00",
        "",
        // An amateur couple without packages pays the surcharge under rule S.
        "David Park/Emily Chen",
        "    58.00 Latin, Adult, Bronze, Cha Cha",
        "Subtotal     58.00",
        "Approximate subtotal for 3 dances,    134.00",
        "",
        "Other purchases:",
        "",
        "   400.00 Turner, Michael - Weekend with Hotel (1)",
        "   250.00 Kim, Grace - Hotel Room (1)",
        "   105.00 Studio - Day Pass (3)",
        "     0.00 Collins, Sarah - Gala (1)",
        "",
        "Approximate total due: 889.00, *The final amount due will be provided by organizer "
        "invoice*",
        "",
        "Rooming list:",
        "",
        "Sharing room 1, Michael Turner, Sarah Collins**, Grace Kim",
        "** Person has not purchased a hotel room.",
    };
    EXPECT_EQ(Build(), expected);
    EXPECT_EQ(ui.messages, CStringList{kMissingItem});
    // The lone group is gone from the store as it would be from the next save.
    EXPECT_EQ(db.FindPerson(kPark)->roommateGroup, -1);
    EXPECT_EQ(db.FindPerson(kTurner)->dancePackage, kHotelPackage);
}

// A youth couple pays the youth fee and youth surcharge; when the teacher's hotel package is
// deleted, the next report charges the surcharge at once, as a restart would.
TEST_F(SummaryReportTest, YouthCoupleAndADeletedHotelPackageArePricedAsTheyStand) {
    AddLatin(2, 'a', kPark, kChen);
    const auto dances = [](const CStringList& lines) {
        const auto from = std::find(lines.begin(), lines.end(), "Dance entries:");
        const auto to = std::find(lines.begin(), lines.end(), "Other purchases:");
        return CStringList(from + 2, to - 1);
    };
    const auto total = [](const CStringList& lines) {
        return *std::find_if(lines.begin(), lines.end(), [](const std::string& line) {
            return line.rfind("Approximate total due: ", 0) == 0;
        });
    };
    CStringList lines = Build();
    EXPECT_EQ(dances(lines), (CStringList{
                                 "Sarah Collins/Michael Turner",
                                 "    38.00 Latin, Adult, Bronze, Cha Cha",
                                 "    38.00 Latin, Adult, Bronze, Rumba",
                                 "Subtotal     76.00",
                                 "",
                                 "David Park/Emily Chen",
                                 "    58.00 Latin, Adult, Bronze, Cha Cha",
                                 "    45.00 Latin, Adult, Bronze, Rumba",
                                 "Subtotal    103.00",
                                 "Approximate subtotal for 4 dances,    179.00",
                             }));
    EXPECT_EQ(total(lines),
              "Approximate total due: 934.00, *The final amount due will be provided by organizer "
              "invoice*");

    db.purchaseArray.erase(db.purchaseArray.begin());  // Turner's weekend with hotel
    lines = Build();
    const CStringList after = dances(lines);
    EXPECT_EQ(
        CStringList(after.begin(), after.begin() + 4),
        (CStringList{"Sarah Collins/Michael Turner", "    58.00 Latin, Adult, Bronze, Cha Cha",
                     "    58.00 Latin, Adult, Bronze, Rumba", "Subtotal    116.00"}));
    EXPECT_EQ(total(lines),
              "Approximate total due: 574.00, *The final amount due will be provided by organizer "
              "invoice*");
}

// The entry form shows, as it is filled in, what the report will charge for it.
TEST_F(SummaryReportTest, AFormShowsItsCostAsTheReportWillChargeIt) {
    db.entryArray.clear();
    const CTempDir dir;
    db.dataFileName = dir.File("Spring_Star_Dance.tvr");
    CEntryManager manager(db);
    manager.NewForm(kLatin, 'A');
    CEntryFormDialog form(db, manager.form);
    form.gentlemanBox.list.SetEditText("Park, David");
    form.ladyBox.list.SetEditText("Collins, Sarah");
    EXPECT_EQ(form.CostText(), "Cost: choose a level to see it");
    form.levels.SetCurSel(form.levels.FindStringExact("Bronze"));
    EXPECT_EQ(form.CostText(), "Cost: 0.00");
    for (const char* dance : {"Cha Cha", "Rumba"}) {
        form.dances.SetSel(form.dances.FindStringExact(dance), true);
    }
    const std::string shown = form.CostText();
    form.ages.SetCurSel(0);
    ASSERT_TRUE(form.OnAction(CEntryFormDialog::kActionExit).has_value()) << ui.messages.back();
    ASSERT_TRUE(manager.SaveEntryForm());
    const CStringList lines = Build();
    const auto subtotal = std::find(lines.begin(), lines.end(), "David Park/Sarah Collins") + 3;
    ASSERT_LT(subtotal, lines.end());
    EXPECT_EQ(*subtotal, "Subtotal    116.00");
    EXPECT_EQ(shown,
              "Cost: 2 x 58.00 = 116.00 (with the surcharge: David Park and Sarah Collins have no "
              "hotel package)");

    // With her teacher, whose hotel package spares the surcharge, the dance costs less.
    manager.NewForm(kLatin, 'F');
    CEntryFormDialog proAm(db, manager.form);
    proAm.gentlemanBox.list.SetEditText("Turner, Michael");
    proAm.ladyBox.list.SetEditText("Collins, Sarah");
    proAm.levels.SetCurSel(proAm.levels.FindStringExact("Bronze"));
    proAm.dances.SetSel(proAm.dances.FindStringExact("Rumba"), true);
    EXPECT_EQ(proAm.CostText(), "Cost: 38.00");
    // Hidden prices: no cost either.
    db.showDancePrices = 0;
    EXPECT_EQ(proAm.CostText(), "");
    EXPECT_EQ(ui.messages, CStringList{kMissingItem});
}

// A person entered as both dancers of one entry (a slip, or a solo) dances it once.
TEST_F(SummaryReportTest, APersonWhoIsBothDancersOfAnEntryCountsItOnce) {
    AddLatin(2, 'P', kTurner, kTurner);
    const CStringList lines = Build();
    EXPECT_NE(std::find(lines.begin(), lines.end(),
                        "Michael Turner, gentleman professional (3 dance entries)"),
              lines.end());
}

TEST_F(SummaryReportTest, HiddenPricesListTheStudiosGroupEntryFirstAndNoAmounts) {
    db.showDancePrices = 0;
    CEntryRecord& team = AddEntry(db, kFormation, 0, 'G', -1, -1);
    team.owner = db.studioArray.front()->number;
    team.level = 8;
    team.age = 3;
    team.teamName = "Starlight Stars";
    // Rooms are no concern of this story.
    for (const auto& person : db.personArray) {
        person->roommateGroup = -1;
    }

    const CStringList lines = Build();
    const CStringList entries(lines.begin() + 10, lines.end());
    const CStringList expected = {
        "Dance entries:",
        "",
        "Studio",
        "Formation, Adult Teams, Open, Starlight Stars",
        "",
        "Sarah Collins/Michael Turner",
        "Latin, Adult, Bronze, Cha Cha",
        "Latin, Adult, Bronze, Rumba",
        "",
        "David Park/Emily Chen",
        "Latin, Adult, Bronze, Cha Cha",
        "",
        "Other purchases:",
        "",
        "Turner, Michael - Weekend with Hotel (1)",
        "Kim, Grace - Hotel Room (1)",
        "Studio - Day Pass (3)",
        "Collins, Sarah - Gala (1)",
        "",
    };
    EXPECT_EQ(entries, expected);
    // The missing item is reported even when no price is shown.
    EXPECT_EQ(ui.messages, CStringList{kMissingItem});
}

TEST_F(SummaryReportTest, ShownInTheWindowWrittenAsAFileOrReturnedAsText) {
    CTempDir dir;
    db.setupFileName = dir.File("Spring.stu");
    db.studioArray.front()->name = "Star <Dance> #1";
    const CStringList lines = Build();
    ui.messages.clear();

    ui.ExpectDialog<CReportWindow>([&](CReportWindow& window) {
        EXPECT_EQ(window.Caption(), "Summary report");
        EXPECT_EQ(window.Lines(), lines);
        return IDOK;
    });
    std::string output = "kept";
    SummaryReport(db, 'S', output);
    EXPECT_EQ(output, "kept");

    std::string joined;
    JoinLines(lines, joined);
    std::string text = "Note:\r\n";
    SummaryReport(db, 'T', text);
    EXPECT_EQ(text, "Note:\r\n" + joined);

    SummaryReport(db, 'F', output);
    EXPECT_EQ(output, dir.File("SummaryReport_Star_{Dance}_1.txt"));
    // CR LF, as the organizer's Windows machine reads it.
    EXPECT_EQ(ReadFileBytes(output), joined);
    EXPECT_EQ(ui.messages, CStringList(3, kMissingItem));

    // A report that cannot be written is not passed over in silence.
    ui.messages.clear();
    db.setupFileName = dir.File("gone/Spring.stu");
    SummaryReport(db, 'F', output);
    EXPECT_EQ(std::filesystem::path(output).lexically_normal(),
              std::filesystem::path(dir.File("gone/SummaryReport_Star_{Dance}_1.txt"))
                  .lexically_normal());
    EXPECT_EQ(ui.messages.back(), "The summary report could not be written to " + output + ".");

    // Without a studio there is nothing to report.
    ui.messages.clear();
    db.studioArray.clear();
    output = "kept";
    SummaryReport(db, 'F', output);
    EXPECT_EQ(output, "kept");
    EXPECT_EQ(ui.messages, CStringList{"Error - no studio data"});
}

}  // namespace
