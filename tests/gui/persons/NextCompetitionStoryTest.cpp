// A studio that did last month's competition starts this one from it: a new studio's dialog
// takes the name and address with Copy from..., the list of persons takes the dancers with
// Import..., and Export... hands the roster to a spreadsheet. Every window is answered by keys
// and clicks as a user answers it, and every message the user sees is checked.
#include <QCheckBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include "GuiTestSupport.h"
#include "app/Application.h"
#include "persons/PersonListDialog.h"
#include "qt/ControlNames.h"
#include "qt/QtUi.h"
#include "shell/MainDialog.h"
#include "shell/Startup.h"
#include "studio/StudioDialog.h"

namespace {

QString FieldText(QWidget* dialog, int id) {
    auto* edit = FindControl<QLineEdit>(dialog, id);
    return edit != nullptr ? edit->text() : QStringLiteral("<no field>");
}

// The accessible names of the buttons, top to bottom or left to right as the dialog holds them.
QStringList ButtonNames(QWidget* dialog, std::initializer_list<int> ids) {
    QStringList names;
    for (const int id : ids) {
        QWidget* button = FindControlById(dialog, id);
        names << (button != nullptr && button->isVisible() ? button->accessibleName()
                                                           : QStringLiteral("<missing>"));
    }
    return names;
}

void PressByKey(QWidget* dialog, int id) {
    auto* button = FindControl<QPushButton>(dialog, id);
    QVERIFY(button != nullptr);
    button->setFocus();
    QTest::keyClick(button, Qt::Key_Space);
}

}  // namespace

class NextCompetitionStoryTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { SetUpApplication(*qApp); }

    void LastMonthsStudioAndDancersComeAlong() {
        QTemporaryDir last;
        QTemporaryDir now;
        QVERIFY(last.isValid() && now.isValid());
        CopyExamples(last.path(), {QStringLiteral("SpringFestival.stu"),
                                   QStringLiteral("SpringFestival_Starlight_Ballroom.tvr")});
        const QString lastFile =
            last.path() + QStringLiteral("/SpringFestival_Starlight_Ballroom.tvr");
        const QByteArray lastBytes = ReadFileBytes(lastFile);
        WriteSpringSetup(now.path());
        const QString roster = now.path() + QStringLiteral("/roster.csv");
        CQtUi ui;

        QStringList studioButtons, copiedFields, listButtons, listed, fileCaptions;
        QString listName, copiedIndependent, importSummary, exportMessage;
        QElapsedTimer clock;
        clock.start();
        WhenModalOpens([&](QWidget* studio) {
            studioButtons = ButtonNames(studio, {CStudioDialog::kCopyFromId, CStudioDialog::kOkId,
                                                 CStudioDialog::kCancelId, CStudioDialog::kHelpId});
            CheckNothingCutOrOverlapping(studio);
            SaveScreenshot(studio, QStringLiteral("studio-dialog-new"));
            QString caption;
            AnswerNextFileDialog(lastFile, &caption);
            PressByKey(studio, CStudioDialog::kCopyFromId);
            fileCaptions << caption;
            for (const int id :
                 {CStudioDialog::kNameId, CStudioDialog::kNameAgainId,
                  CStudioDialog::kInvoiceNameId, CStudioDialog::kAddress1Id,
                  CStudioDialog::kAddress2Id, CStudioDialog::kCityId, CStudioDialog::kStateId,
                  CStudioDialog::kZipId, CStudioDialog::kPhoneId, CStudioDialog::kEmailId}) {
                copiedFields << FieldText(studio, id);
            }
            copiedIndependent =
                FindControl<QCheckBox>(studio, CStudioDialog::kIndependentId)->isChecked()
                    ? QStringLiteral("independent")
                    : QStringLiteral("studio");
            // This year the phone number is new.
            TypeInField(studio, CStudioDialog::kPhoneId, QStringLiteral("503-555-0199"));

            WhenModalOpens([&](QWidget* main) {
                WhenModalOpens([&](QWidget* list) {
                    listName = FindControlById(list, CPersonListDialog::kListId)->accessibleName();
                    listButtons = ButtonNames(
                        list, {CPersonListDialog::kAddId, CPersonListDialog::kEditId,
                               CPersonListDialog::kDeleteId, CPersonListDialog::kImportId,
                               CPersonListDialog::kExportId, CPersonListDialog::kOkId,
                               CPersonListDialog::kHelpId});

                    AnswerNextFileDialog(lastFile, &caption,
                                         [&] { CloseNextMessageBox(&importSummary); });
                    PressByKey(list, CPersonListDialog::kImportId);
                    fileCaptions << caption;
                    listed = ListLines(list, CPersonListDialog::kListId);
                    CheckNothingCutOrOverlapping(list);
                    SaveScreenshot(list, QStringLiteral("person-list-imported"));

                    AnswerNextFileDialog(roster, &caption,
                                         [&] { CloseNextMessageBox(&exportMessage); });
                    ClickControl(list, CPersonListDialog::kExportId);
                    fileCaptions << caption;
                    ClickControl(list, CPersonListDialog::kOkId);
                });
                ClickControl(main, CMainDialog::kPersonsId);
                ClickControl(main, CMainDialog::kOkId);
            });
            ClickControl(studio, CStudioDialog::kOkId);
        });
        RunTavorin(ui, now.path().toStdString(), "");
        qInfo("the walk took %lld ms", static_cast<long long>(clock.elapsed()));

        QCOMPARE(studioButtons, (QStringList{QStringLiteral("Copy from..."), QStringLiteral("OK"),
                                             QStringLiteral("Cancel"), QStringLiteral("Help")}));
        QCOMPARE(fileCaptions,
                 (QStringList{QStringLiteral("Copy studio data from"),
                              QStringLiteral("Import persons"), QStringLiteral("Export persons")}));
        QCOMPARE(copiedFields,
                 (QStringList{QStringLiteral("Starlight Ballroom"),
                              QStringLiteral("Starlight Ballroom"), QString(),
                              QStringLiteral("1200 Harbor Boulevard"), QStringLiteral("Suite 4"),
                              QStringLiteral("Portland"), QStringLiteral("OR"),
                              QStringLiteral("97201"), QStringLiteral("503-555-0142"),
                              QStringLiteral("office@starlight-ballroom.example.org")}));
        QCOMPARE(copiedIndependent, QStringLiteral("studio"));

        QCOMPARE(listName, QStringLiteral("List of persons"));
        QCOMPARE(listButtons, (QStringList{QStringLiteral("Add"), QStringLiteral("Edit"),
                                           QStringLiteral("Delete"), QStringLiteral("Import..."),
                                           QStringLiteral("Export..."), QStringLiteral("OK"),
                                           QStringLiteral("Help")}));
        QCOMPARE(importSummary,
                 QStringLiteral("Persons from SpringFestival_Starlight_Ballroom.tvr:\n"
                                "7 persons added."));
        QCOMPARE(listed.size(), 7);
        QCOMPARE(listed.front(), QStringLiteral("Bennett, Laura [5]"));
        QCOMPARE(listed.back(), QStringLiteral("Turner, Michael [1]"));
        QCOMPARE(exportMessage,
                 QStringLiteral("7 persons written to ") + roster + QStringLiteral("."));

        // This competition's file holds the studio with its new phone and the dancers without
        // last month's entries; last month's file is as it was.
        const QByteArray saved =
            ReadFileBytes(now.path() + QStringLiteral("/Spring_Starlight_Ballroom.tvr"));
        QVERIFY(
            saved.startsWith("ST|Starlight Ballroom|1200 Harbor Boulevard|Suite 4|Portland|"
                             "OR|97201||503-555-0199|503-555-0143|"));
        QCOMPARE(saved.count("\nPR|"), 7);
        QVERIFY(saved.contains("CM|1|1|Vegetarian meal|PR|F2|A|Sarah|Collins|"));
        QVERIFY(!saved.contains("EN|"));
        QVERIFY(!saved.contains("GR|"));
        QCOMPARE(ReadFileBytes(lastFile), lastBytes);

        // The roster opens in a spreadsheet as UTF-8.
        const QByteArray csv = ReadFileBytes(roster);
        QVERIFY(
            csv.startsWith("\xEF\xBB\xBF"
                           "Last name,First name,Type,Nick name,Note to MC,Member #,SS #\r\n"
                           "Turner,Michael,Gentleman professional,Mike,TUR-ner,P-1187,\r\n"));
        QCOMPARE(csv.count("\r\n"), 8);
    }
};

QTEST_MAIN(NextCompetitionStoryTest)
#include "NextCompetitionStoryTest.moc"
