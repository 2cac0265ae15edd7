#include "studio/StudioDialog.h"

#include <gtest/gtest.h>

#include "data/Records.h"
#include "support/ScriptedUi.h"

namespace {

void TypeNames(CStudioDialog& dialog, const std::string& name, const std::string& again,
               const std::string& invoice = "", const std::string& invoiceAgain = "") {
    dialog.name = name;
    dialog.nameAgain = again;
    dialog.invoiceName = invoice;
    dialog.invoiceNameAgain = invoiceAgain;
}

}  // namespace

TEST(StudioDialog, NewStudioWithInvoiceNameIsStoredAsOneNameAndThenFixed) {
    CScriptedUi ui;
    CStudioRecord record;
    {
        CStudioDialog dialog(ui, record);
        EXPECT_TRUE(dialog.nameEditable);
        TypeNames(dialog, "Star Dance", "Star Dance", "J. Smith", "J. Smith");
        dialog.city = "Springfield";
        EXPECT_TRUE(dialog.OnOK());
    }
    EXPECT_EQ(record.name, "Star Dance <J. Smith>");
    EXPECT_EQ(record.city, "Springfield");
    EXPECT_EQ(record.kind, 'M');

    CStudioDialog reopened(ui, record);
    EXPECT_EQ(reopened.name, "Star Dance ");
    EXPECT_EQ(reopened.nameAgain, "Star Dance ");
    EXPECT_EQ(reopened.invoiceName, "J. Smith");
    EXPECT_EQ(reopened.invoiceNameAgain, "J. Smith");
    EXPECT_FALSE(reopened.nameEditable);
    EXPECT_EQ(reopened.city, "Springfield");

    // With the names fixed, a change to them is not checked and not stored.
    reopened.nameAgain = "something else";
    reopened.phone = "555-0100";
    EXPECT_TRUE(reopened.OnOK());
    EXPECT_EQ(record.name, "Star Dance <J. Smith>");
    EXPECT_EQ(record.phone, "555-0100");
    EXPECT_TRUE(ui.messages.empty());
}

TEST(StudioDialog, NameChecksKeepTheDialogOpenWithTheInput) {
    CScriptedUi ui;
    CStudioRecord record;
    CStudioDialog dialog(ui, record);

    TypeNames(dialog, "", "");
    dialog.city = "Springfield";
    EXPECT_FALSE(dialog.OnOK());

    TypeNames(dialog, "Star Dance", "star dance");
    EXPECT_FALSE(dialog.OnOK());

    TypeNames(dialog, "Star Dance", "Star Dance", "", "J. Smith");
    EXPECT_FALSE(dialog.OnOK());

    TypeNames(dialog, "Star Dance", "Star Dance", "J. Smith", "J. Smyth");
    EXPECT_FALSE(dialog.OnOK());

    EXPECT_EQ(ui.messages,
              (std::vector<std::string>{"No studio name.", "Check spelling of studio name.",
                                        "Check spelling of name for invoice.",
                                        "Check spelling of name for invoice."}));
    EXPECT_EQ(dialog.city, "Springfield");
    EXPECT_EQ(dialog.invoiceNameAgain, "J. Smyth");
    EXPECT_TRUE(record.name.empty());
    EXPECT_TRUE(record.city.empty());
}

TEST(StudioDialog, NameWithClosingBracketFirstIsOneName) {
    CScriptedUi ui;
    CStudioRecord record;
    record.name = "Odd > Name <here";
    CStudioDialog dialog(ui, record);
    EXPECT_EQ(dialog.name, "Odd > Name <here");
    EXPECT_EQ(dialog.nameAgain, "Odd > Name <here");
    EXPECT_TRUE(dialog.invoiceName.empty());
    EXPECT_TRUE(dialog.invoiceNameAgain.empty());
    EXPECT_FALSE(dialog.nameEditable);
}

TEST(StudioDialog, IndependentBoxSetsTheKind) {
    CScriptedUi ui;
    CStudioRecord record;
    record.name = "Pat and Chris";
    record.kind = 'I';
    CStudioDialog dialog(ui, record);
    EXPECT_TRUE(dialog.independent);
    dialog.independent = false;
    EXPECT_TRUE(dialog.OnOK());
    EXPECT_EQ(record.kind, 'M');

    CStudioDialog again(ui, record);
    EXPECT_FALSE(again.independent);
    again.independent = true;
    EXPECT_TRUE(again.OnOK());
    EXPECT_EQ(record.kind, 'I');
}

TEST(StudioDialog, AddressFieldsAreStoredAsTyped) {
    CScriptedUi ui;
    CStudioRecord record;
    CStudioDialog dialog(ui, record);
    TypeNames(dialog, "Star Dance", "Star Dance");
    dialog.address1 = " 12 Main St ";
    dialog.address2 = "Suite 4";
    dialog.state = "il";
    dialog.zip = "62701";
    dialog.country = "";
    dialog.fax = "555-0199";
    dialog.email = "star@example.org";
    EXPECT_TRUE(dialog.OnOK());
    EXPECT_EQ(record.address1, " 12 Main St ");
    EXPECT_EQ(record.address2, "Suite 4");
    EXPECT_EQ(record.state, "il");
    EXPECT_EQ(record.zip, "62701");
    EXPECT_EQ(record.fax, "555-0199");
    EXPECT_EQ(record.email, "star@example.org");
}

TEST(StudioDialog, RefusedNameKeepsTheDialogOpenAndTheRecordUnchanged) {
    CScriptedUi ui;
    CStudioRecord record;
    CStudioDialog dialog(ui, record);
    std::string offered;
    dialog.acceptName = [&](const std::string& storedName) {
        offered = storedName;
        return false;
    };
    TypeNames(dialog, "Star Dance", "Star Dance", "J. Smith", "J. Smith");
    EXPECT_FALSE(dialog.OnOK());
    EXPECT_EQ(offered, "Star Dance <J. Smith>");
    EXPECT_TRUE(record.name.empty());
}

TEST(StudioDialog, FieldsListEveryEditInOrderAndHelpUsesTheDialogsContext) {
    CScriptedUi ui;
    CStudioRecord record;
    record.email = "a@b.c";
    CStudioDialog dialog(ui, record);
    const auto& fields = CStudioDialog::Fields();
    EXPECT_EQ(fields.front().id, CStudioDialog::kNameId);
    EXPECT_EQ(fields.back().id, CStudioDialog::kEmailId);
    EXPECT_EQ(dialog.TextOf(fields.back()), "a@b.c");
    dialog.OnHelp();
    EXPECT_EQ(ui.helpContexts, (std::vector<unsigned>{131283u}));
}

TEST(StudioDialog, AnAddressThatIsNoEmailAsksAndCancellingAChangeAsksToo) {
    CScriptedUi ui;
    CStudioRecord record;
    record.name = "Star Dance";
    record.email = "old address";
    record.city = std::string(55, 'c');
    CStudioDialog dialog(ui, record);
    EXPECT_TRUE(MayDiscardChanges(dialog, ui));
    // A stored city longer than the field's limit is not cut by showing it.
    const auto& city = CStudioDialog::Fields()[6];
    ASSERT_EQ(city.id, CStudioDialog::kCityId);
    EXPECT_EQ(dialog.Limit(city), 55);
    EXPECT_EQ(dialog.Limit(CStudioDialog::Fields()[7]), 20);

    // A stored address that is no e-mail address is not questioned again; a typed one is.
    dialog.phone = "555-0100";
    EXPECT_TRUE(dialog.OnOK());
    dialog.email = "ann@example";
    ui.ExpectQuestion(
        "\"ann@example\" does not look like an e-mail address (name@example.com): the organizer "
        "may not reach you there.\n\nKeep it as it is?",
        false);
    EXPECT_FALSE(dialog.OnOK());
    EXPECT_EQ(record.email, "old address");
    ui.ExpectQuestion("Discard your changes?", false);
    EXPECT_FALSE(MayDiscardChanges(dialog, ui));
    dialog.email = "ann@example.com";
    EXPECT_TRUE(dialog.OnOK());
    EXPECT_EQ(record.email, "ann@example.com");
    EXPECT_TRUE(ui.messages.empty());
}
