#include "StudioWalk.h"

#include <QLineEdit>
#include <QWidget>

#include "GuiTestSupport.h"
#include "WalkDriver.h"
#include "delivery/MakeDataFile.h"
#include "dialogs/ListDialog.h"
#include "dialogs/TextDialog.h"
#include "entries/EntryFormDialog.h"
#include "entries/EntryTypeDialog.h"
#include "persons/PersonDialog.h"
#include "persons/PersonListDialog.h"
#include "platform/Ui.h"
#include "purchases/PurchaseDialog.h"
#include "purchases/PurchaseListDialog.h"
#include "qt/ControlNames.h"
#include "report/ReportWindow.h"
#include "shell/MainDialog.h"
#include "studio/StudioDialog.h"

namespace {

const QString kMain =
    QStringLiteral("Data for Spring Dance Festival 2025 - Harbor Lights Dance <Harbor Lights LLC>");
const QString kStudio = QString::fromLatin1(CStudioDialog::kTitle);
const QString kPersons = QString::fromLatin1(CPersonListDialog::kTitle);
const QString kPerson = QString::fromLatin1(CPersonDialog::kTitle);
const QString kPurchases = QString::fromLatin1(CPurchaseListDialog::kTitle);
const QString kPurchase = QString::fromLatin1(CPurchaseDialog::kTitle);
const QString kEntryType = QString::fromLatin1(CEntryTypeDialog::kTitle);
const QString kSmooth = QStringLiteral("Adult lady pro/am in American Smooth - Single Dances");
const QString kLatin =
    QStringLiteral("Adult amateur couple in International Latin - Single Dances");
const QString kRhythm =
    QStringLiteral("Adult amateur couple in American Rhythm - Multi-Dance Championship");
const QString kStandard =
    QStringLiteral("Professional couple in International Standard Scholarship");
const QString kTeam = QStringLiteral("Group entry in Formation Team Match");

using Form = CEntryFormDialog;
using Type = CEntryTypeDialog;

struct Person {
    const char* last;
    const char* first;
    const char* type;
};

// The person dialog filled in; `more` adds roommates or comments before OK.
void AddPerson(CWalkDriver& walk, const Person& person, const std::function<void()>& more = {}) {
    const int keyDelay = walk.PauseMs() / 20;
    walk.In(kPersons, [](QWidget* list) { ClickOn(list, CPersonListDialog::kAddId); });
    walk.In(kPerson, [person, keyDelay](QWidget* dialog) {
        TypeInto(dialog, CPersonDialog::kLastNameId, QString::fromLatin1(person.last), keyDelay);
        TypeInto(dialog, CPersonDialog::kFirstNameId, QString::fromLatin1(person.first), keyDelay);
        TypeChoice(dialog, CPersonDialog::kTypeId, QString::fromLatin1(person.type), keyDelay);
    });
    if (more) {
        more();
    }
    walk.In(kPerson, [](QWidget* dialog) { ClickOn(dialog, CPersonDialog::kOkId); });
}

void AddComment(CWalkDriver& walk, const QString& text) {
    walk.In(kPerson, [](QWidget* dialog) { ClickOn(dialog, CPersonDialog::kCommentAddId); });
    walk.In(QStringLiteral("Comment"), [text](QWidget* dialog) {
        TypeInto(dialog, CTextDialog::kEditId, text);
        ClickOn(dialog, IDOK);
    });
}

void Studio(CWalkDriver& walk) {
    const int keyDelay = walk.PauseMs() / 20;
    walk.In(kStudio, [keyDelay](QWidget* dialog) {
        const std::pair<int, const char*> fields[] = {
            {CStudioDialog::kNameId, "Harbor Lights Dance"},
            {CStudioDialog::kNameAgainId, "Harbor Lights Dance"},
            {CStudioDialog::kInvoiceNameId, "Harbor Lights LLC"},
            {CStudioDialog::kInvoiceNameAgainId, "Harbor Lights LLC"},
            {CStudioDialog::kCityId, "Portland"},
            {CStudioDialog::kStateId, "OR"},
            {CStudioDialog::kZipId, "97201"},
            {CStudioDialog::kCountryId, "USA"},
            {CStudioDialog::kPhoneId, "503-555-0142"},
            {CStudioDialog::kEmailId, "office@harborlights.example.org"},
        };
        for (const auto& [id, text] : fields) {
            TypeInto(dialog, id, QString::fromLatin1(text), keyDelay);
        }
    });
    walk.Picture(kStudio, QStringLiteral("studio"));
    walk.In(kStudio, [](QWidget* dialog) { ClickOn(dialog, CStudioDialog::kOkId); });
}

void Persons(CWalkDriver& walk) {
    walk.In(kMain, [](QWidget* main) { ClickOn(main, CMainDialog::kPersonsId); });
    AddPerson(walk, {"Rossi", "Marco", "Gentleman professional"});
    AddPerson(walk, {"Petrova", "Nadia", "Lady professional"}, [&walk] {
        // The two teachers share a room.
        walk.In(kPerson, [](QWidget* dialog) { ClickOn(dialog, CPersonDialog::kRoommateAddId); });
        walk.In(QStringLiteral("Select roommate"), [](QWidget* dialog) {
            ClickLine(dialog, CListDialog::kSingleListId, QStringLiteral("Rossi, Marco"));
            ClickOn(dialog, IDOK);
        });
    });
    AddPerson(walk, {"Hughes", "Tom", "Gentleman amateur, adult"});
    AddPerson(walk, {"Liu", "Grace", "Lady amateur, adult"}, [&walk] {
        AddComment(walk, QStringLiteral("Arrives Friday evening"));
        AddComment(walk, QStringLiteral("Needs a quiet room"));
        walk.Picture(kPerson, QStringLiteral("person"));
    });
    AddPerson(walk, {"Brooks", "Sophie", "Lady amateur, youth"});
    AddPerson(walk, {"Brooks", "Peter", "Non-competitor"});
    walk.Picture(kPersons, QStringLiteral("persons"));
    walk.In(kPersons, [](QWidget* list) { ClickOn(list, CPersonListDialog::kOkId); });
}

// One purchase dialog: the purchaser typed, the item clicked and put into the basket.
void Buy(CWalkDriver& walk, const QString& purchaser, const QString& item, const QString& picture,
         bool forTheStudio = false) {
    walk.In(kPurchases, [](QWidget* list) { ClickOn(list, CPurchaseListDialog::kAddId); });
    walk.In(kPurchase, [purchaser, item](QWidget* dialog) {
        TypeChoice(dialog, CPurchaseDialog::kPurchaserId, purchaser);
        ClickLine(dialog, CPurchaseDialog::kPriceListId, item);
        ClickOn(dialog, CPurchaseDialog::kPutItemId);
    });
    walk.Picture(kPurchase, picture);
    walk.In(kPurchase, [](QWidget* dialog) { ClickOn(dialog, CPurchaseDialog::kOkId); });
    if (forTheStudio) {
        // The program asks whether a person should rather be named; No keeps the studio.
        walk.Answer(QString::fromLatin1(CPurchaseDialog::kNoPurchaserQuestion), QMessageBox::No);
    }
}

void Purchases(CWalkDriver& walk) {
    walk.In(kMain, [](QWidget* main) { ClickOn(main, CMainDialog::kPurchasesId); });
    Buy(walk, QStringLiteral("Rossi, Marco"),
        QStringLiteral("Package:Full Weekend Package with Hotel - Double Room"),
        QStringLiteral("purchase-package"));
    Buy(walk, QStringLiteral("Brooks, Peter"),
        QStringLiteral("Price list: Saturday Evening Gala - Dinner and Show"),
        QStringLiteral("purchase-ticket"));
    Buy(walk, QStringLiteral("<None>"), QStringLiteral("Price list: Souvenir Program Book"),
        QStringLiteral("purchase-for-studio"), true);
    walk.Picture(kPurchases, QStringLiteral("purchases"));
    walk.In(kPurchases, [](QWidget* list) { ClickOn(list, CPurchaseListDialog::kOkId); });
}

void ChooseType(CWalkDriver& walk, int type, const QString& category) {
    walk.In(kEntryType, [type, category](QWidget* dialog) {
        ClickOn(dialog, type);
        ClickLine(dialog, Type::kCategoriesId, category);
        ClickOn(dialog, Type::kOkId);
    });
}

void FillForm(CWalkDriver& walk, const QString& caption, const QStringList& persons,
              const QStringList& dancesClicked, const QString& level, const QString& age) {
    walk.In(caption, [=](QWidget* form) {
        const int boxes[] = {Form::kGentlemanId, Form::kLadyId};
        for (int i = 0; i < persons.size(); ++i) {
            TypeChoice(form, boxes[i], persons[i]);
        }
        for (const QString& dance : dancesClicked) {
            ClickLine(form, Form::kDancesId, dance);
        }
        ClickLine(form, Form::kLevelsId, level);
        ClickLine(form, Form::kAgesId, age);
    });
}

void Entries(CWalkDriver& walk) {
    walk.In(kMain, [](QWidget* main) { ClickOn(main, CMainDialog::kEntriesId); });

    // Pro/am: three dances; F6 brings the same dances for one more level, where the Waltz is
    // taken back at the duplicate question and the Viennese Waltz added.
    ChooseType(walk, Type::kAdultLadyId, QStringLiteral("American Smooth - Single Dances"));
    FillForm(walk, kSmooth, {QStringLiteral("Rossi, Marco"), QStringLiteral("Liu, Grace")},
             {QStringLiteral("Waltz"), QStringLiteral("Tango"), QStringLiteral("Foxtrot")},
             QStringLiteral("Bronze"), QStringLiteral("Adult"));
    walk.Picture(kSmooth, QStringLiteral("entry-form"));
    walk.In(kSmooth, [](QWidget* form) { PressKey(form, Qt::Key_F6); });
    walk.In(kSmooth, [](QWidget* form) {
        for (const char* dance : {"Tango", "Foxtrot", "Viennese Waltz"}) {
            ClickLine(form, Form::kDancesId, QString::fromLatin1(dance));
        }
        ClickLine(form, Form::kLevelsId, QStringLiteral("Bronze"));
        ClickLine(form, Form::kAgesId, QStringLiteral("Adult"));
        PressKey(form, Qt::Key_X, Qt::AltModifier);
    });
    walk.Answer(QStringLiteral("Duplicate couple in American Smooth - Single Dances, Adult, "
                               "Bronze, Waltz. Allow it?"),
                QMessageBox::No);
    walk.Answer(QStringLiteral("1 of the form's 2 dances were saved. Left out as duplicates:\n"
                               "American Smooth - Single Dances, Adult, Bronze, Waltz"),
                QMessageBox::Ok);

    // An amateur couple in Latin, then through F7 the same couple in the Rhythm championship.
    ChooseType(walk, Type::kAdultAmateurId, QStringLiteral("International Latin - Single Dances"));
    FillForm(walk, kLatin, {QStringLiteral("Hughes, Tom"), QStringLiteral("Liu, Grace")},
             {QStringLiteral("Cha Cha"), QStringLiteral("Rumba")}, QStringLiteral("Silver"),
             QStringLiteral("Adult"));
    walk.In(kLatin, [](QWidget* form) { PressKey(form, Qt::Key_F7); });
    walk.In(kEntryType, [](QWidget* dialog) {
        ClickLine(dialog, Type::kCategoriesId,
                  QStringLiteral("American Rhythm - Multi-Dance Championship"));
        ClickOn(dialog, Type::kOkId);
    });
    FillForm(walk, kRhythm, {},
             {QStringLiteral("Cha Cha"), QStringLiteral("Rumba"), QStringLiteral("East Coast")},
             QStringLiteral("Bronze"), QStringLiteral("Adult"));
    walk.In(kRhythm, [](QWidget* form) { ClickOn(form, Form::kExitSaveId); });

    // The teachers as professionals.
    ChooseType(walk, Type::kProfessionalId, QStringLiteral("International Standard Scholarship"));
    FillForm(walk, kStandard, {QStringLiteral("Rossi, Marco"), QStringLiteral("Petrova, Nadia")},
             {QStringLiteral("Waltz"), QStringLiteral("Quickstep")}, QStringLiteral("Championship"),
             QStringLiteral("Adult"));
    walk.In(kStandard, [](QWidget* form) { ClickOn(form, Form::kExitSaveId); });

    // A formation team of four.
    ChooseType(walk, Type::kGroupId, QStringLiteral("Formation Team Match"));
    walk.In(kTeam, [](QWidget* form) { ClickOn(form, Form::kDancerAddId); });
    walk.In(QStringLiteral("Select person"), [](QWidget* dialog) {
        for (const char* name : {"Rossi, Marco", "Petrova, Nadia", "Hughes, Tom", "Liu, Grace"}) {
            ClickLine(dialog, CListDialog::kMultipleListId, QString::fromLatin1(name));
        }
        ClickOn(dialog, IDOK);
    });
    walk.In(kTeam, [](QWidget* form) {
        ClickLine(form, Form::kLevelsId, QStringLiteral("Open"));
        ClickLine(form, Form::kAgesId, QStringLiteral("Adult Teams"));
        TypeInto(form, Form::kTextId, QStringLiteral("Harbor Lights Formation"));
    });
    walk.Picture(kTeam, QStringLiteral("team-form"));
    walk.In(kTeam, [](QWidget* form) { ClickOn(form, Form::kExitSaveId); });
    walk.In(kEntryType, [](QWidget* dialog) { ClickOn(dialog, Type::kCancelId); });
}

// Each delivery button first offers the review, which the studio has done already.
void NoReview(CWalkDriver& walk) {
    walk.Answer(QString::fromLatin1(kReviewQuestion), QMessageBox::No);
}

void ReportAndDelivery(CWalkDriver& walk, const QString& driveFolder) {
    const QString report = QString::fromLatin1(CReportWindow::kSummaryCaption);
    walk.In(kMain, [](QWidget* main) { ClickOn(main, CMainDialog::kReportId); });
    walk.Picture(report, QStringLiteral("report"));
    walk.In(report, [](QWidget* window) { ClickOn(window, CReportWindow::kOkId); });

    const QString instructions = QString::fromLatin1(kInstructionsCaption);
    walk.In(kMain, [](QWidget* main) { ClickOn(main, CMainDialog::kDataFileId); });
    NoReview(walk);
    walk.Picture(instructions, QStringLiteral("instructions"));
    walk.In(instructions, [](QWidget* window) { ClickOn(window, CReportWindow::kOkId); });

    walk.In(kMain, [](QWidget* main) { ClickOn(main, CMainDialog::kDisketteId); });
    NoReview(walk);
    walk.In(QStringLiteral("Drive"), [](QWidget* dialog) { ClickOn(dialog, IDOK); });
    walk.Answer(QStringLiteral("The data file and the summary report are on drive A: (%1):\n"
                               "SpringFestival_Harbor_Lights_Dance_{Harbor_Lights_LLC}.tvr\n"
                               "SummaryReport_Harbor_Lights_Dance_{Harbor_Lights_LLC}.txt\n"
                               "Nothing else on the disk was deleted.\n"
                               "Please send the disk to the organizer.")
                    .arg(driveFolder),
                QMessageBox::Ok);

    walk.In(kMain, [](QWidget* main) { ClickOn(main, CMainDialog::kEmailId); });
    NoReview(walk);
    walk.Answer(QStringLiteral("Your email program was accessed successfully.\nIf you clicked "
                               "'Send' the message was put in out box."),
                QMessageBox::Ok);
    walk.In(kMain, [](QWidget* main) { ClickOn(main, CMainDialog::kOkId); });
}

}  // namespace

void ScriptSixSteps(CWalkDriver& walk, const QString& driveFolder) {
    Studio(walk);
    walk.Picture(kMain, QStringLiteral("main"));
    Persons(walk);
    Purchases(walk);
    Entries(walk);
    ReportAndDelivery(walk, driveFolder);
}

void ScriptReadBack(CWalkDriver& walk, CWalkReadBack* seen) {
    walk.In(kMain, [](QWidget* main) { ClickOn(main, CMainDialog::kStudioId); });
    walk.In(kStudio, [seen](QWidget* dialog) {
        for (const int id :
             {CStudioDialog::kNameId, CStudioDialog::kInvoiceNameId, CStudioDialog::kCityId}) {
            seen->studio << FindControl<QLineEdit>(dialog, id)->text();
        }
        ClickOn(dialog, CStudioDialog::kCancelId);
    });

    walk.In(kMain, [](QWidget* main) { ClickOn(main, CMainDialog::kPersonsId); });
    walk.In(kPersons, [seen](QWidget* list) {
        seen->persons = ListLines(list, CPersonListDialog::kListId);
        ClickLine(list, CPersonListDialog::kListId, QStringLiteral("Petrova, Nadia"));
        ClickOn(list, CPersonListDialog::kEditId);
    });
    walk.In(kPerson, [seen](QWidget* dialog) {
        seen->roommates = ListLines(dialog, CPersonDialog::kRoommatesId);
        ClickOn(dialog, CPersonDialog::kCancelId);
    });
    walk.In(kPersons, [](QWidget* list) {
        ClickLine(list, CPersonListDialog::kListId, QStringLiteral("Liu, Grace"));
        ClickOn(list, CPersonListDialog::kEditId);
    });
    walk.In(kPerson, [seen](QWidget* dialog) {
        seen->comments = ListLines(dialog, CPersonDialog::kCommentsId);
        ClickOn(dialog, CPersonDialog::kCancelId);
    });
    walk.In(kPersons, [](QWidget* list) { ClickOn(list, CPersonListDialog::kOkId); });

    walk.In(kMain, [](QWidget* main) { ClickOn(main, CMainDialog::kPurchasesId); });
    walk.In(kPurchases, [seen](QWidget* list) {
        seen->purchases = ListLines(list, CPurchaseListDialog::kListId);
        ClickOn(list, CPurchaseListDialog::kOkId);
    });

    walk.In(kMain, [](QWidget* main) { ClickOn(main, CMainDialog::kEntriesId); });
    walk.In(kEntryType, [](QWidget* dialog) {
        ClickLine(dialog, Type::kPersonsId, QStringLiteral("<All> Harbor Lights"));
        ClickOn(dialog, Type::kViewFormsId);
    });
    walk.In(QStringLiteral("Select entry form"), [seen](QWidget* list) {
        seen->forms = ListLines(list, CListDialog::kSingleListId);
        ClickOn(list, IDCANCEL);
    });
    walk.In(kEntryType, [](QWidget* dialog) { ClickOn(dialog, Type::kCancelId); });
    walk.In(kMain, [](QWidget* main) { ClickOn(main, CMainDialog::kOkId); });
}
