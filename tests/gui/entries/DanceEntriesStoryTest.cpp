// A new user's dance entries on the sample competition, over two runs of the program: a
// gentleman pro/am form with three dances, the same couple at another level through F6 and a
// formation team; in the next run the studio's forms list opens each form as it was left.
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>
#include <functional>

#include "GuiTestSupport.h"
#include "app/Application.h"
#include "dialogs/ListDialog.h"
#include "entries/EntryFormDialog.h"
#include "entries/EntryTypeDialog.h"
#include "qt/ControlNames.h"
#include "qt/QtUi.h"
#include "shell/MainDialog.h"
#include "shell/Startup.h"

namespace {

using Form = CEntryFormDialog;

// Selects the lines of list `id` whose texts begin with the given ones.
void Choose(QWidget* dialog, int id, const QStringList& starts) {
    auto* list = FindControl<QListWidget>(dialog, id);
    QVERIFY2(list != nullptr, qPrintable(dialog->windowTitle() + QString::number(id)));
    for (const QString& start : starts) {
        const auto found = list->findItems(start, Qt::MatchStartsWith);
        QVERIFY2(!found.isEmpty(), qPrintable(start));
        found.front()->setSelected(true);
    }
}

void PickPerson(QWidget* form, int id, const QString& name) {
    auto* box = FindControl<QComboBox>(form, id);
    QVERIFY(box != nullptr);
    const int line = box->findText(name);
    QVERIFY2(line >= 0, qPrintable(name));
    box->setCurrentIndex(line);
}

QStringList Selected(QWidget* form, int id) {
    QStringList texts;
    const auto* list = FindControl<QListWidget>(form, id);
    for (int row = 0; row < list->count(); ++row) {
        if (list->item(row)->isSelected()) {
            texts << list->item(row)->text();
        }
    }
    return texts;
}

// What one form shows, in one line.
QString Describe(QWidget* form) {
    QStringList parts{form->windowTitle()};
    for (const int box : {Form::kGentlemanId, Form::kLadyId}) {
        if (FindControlById(form, box)->isVisibleTo(form)) {
            parts << FindControl<QComboBox>(form, box)->currentText();
        }
    }
    parts << Selected(form, Form::kDancesId).join(QLatin1Char('+'))
          << Selected(form, Form::kLevelsId).join(QString())
          << Selected(form, Form::kAgesId).join(QString());
    if (FindControlById(form, Form::kDancersId)->isVisibleTo(form)) {
        parts << ListLines(form, Form::kDancersId).join(QLatin1Char('+'));
    }
    if (FindControlById(form, Form::kTextId)->isVisibleTo(form)) {
        parts << FindControl<QLineEdit>(form, Form::kTextId)->text();
    }
    return parts.join(QStringLiteral(" | "));
}

// Opens line `line` of the forms list and every line after it, noting each form.
void OpenFormsFrom(int line, QStringList* seen) {
    WhenModalOpens([line, seen](QWidget* list) {
        auto* lines = FindControl<QListWidget>(list, CListDialog::kSingleListId);
        if (line >= lines->count()) {
            ClickControl(list, IDCANCEL);
            return;
        }
        lines->setCurrentRow(line);
        WhenModalOpens([line, seen](QWidget* form) {
            *seen << Describe(form);
            ClickControl(form, Form::kCancelId);
            OpenFormsFrom(line + 1, seen);
        });
        ClickControl(list, IDOK);
    });
}

}  // namespace

class DanceEntriesStoryTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { SetUpApplication(*qApp); }

    void FormsAreAsLeftInTheNextRun() {
        QTemporaryDir dir;
        CopyExamples(dir.path(), {"SpringFestival.stu", "SpringFestival_Starlight_Ballroom.tvr"});
        CQtUi ui;
        QStringList made;
        QStringList chooserLines;
        QStringList teamDancers;

        WhenModalOpens([&](QWidget* main) {
            WhenModalOpens([&](QWidget* choice) {
                FindControl<QRadioButton>(choice, CEntryTypeDialog::kAdultGentlemanId)->click();
                Choose(choice, CEntryTypeDialog::kCategoriesId, {"American Smooth"});
                WhenModalOpens([&](QWidget* proAm) {
                    PickPerson(proAm, Form::kGentlemanId, QStringLiteral("Park, David"));
                    PickPerson(proAm, Form::kLadyId, QStringLiteral("Bennett, Laura"));
                    Choose(proAm, Form::kDancesId, {"Waltz", "Tango", "Foxtrot"});
                    Choose(proAm, Form::kLevelsId, {"Bronze"});
                    Choose(proAm, Form::kAgesId, {"Adult"});
                    made << Describe(proAm);
                    WhenModalOpens([&](QWidget* sameDances) {
                        Choose(sameDances, Form::kLevelsId, {"Silver"});
                        Choose(sameDances, Form::kAgesId, {"Adult"});
                        made << Describe(sameDances);
                        WhenModalOpens([&](QWidget* again) {
                            FindControl<QRadioButton>(again, CEntryTypeDialog::kGroupId)->click();
                            Choose(again, CEntryTypeDialog::kCategoriesId, {"Formation Team"});
                            WhenModalOpens([&](QWidget* team) {
                                WhenModalOpens([&](QWidget* chooser) {
                                    chooserLines = ListLines(chooser, CListDialog::kMultipleListId);
                                    Choose(chooser, CListDialog::kMultipleListId,
                                           {"Park, David", "Chen, Emily"});
                                    ClickControl(chooser, IDOK);
                                });
                                ClickControl(team, Form::kDancerAddId);
                                teamDancers = ListLines(team, Form::kDancersId);
                                Choose(team, Form::kLevelsId, {"Open"});
                                Choose(team, Form::kAgesId, {"Adult Teams"});
                                FindControl<QLineEdit>(team, Form::kTextId)
                                    ->setText(QStringLiteral("Harbor Lights"));
                                made << Describe(team);
                                WhenModalOpens([](QWidget* last) {
                                    ClickControl(last, CEntryTypeDialog::kCancelId);
                                });
                                ClickControl(team, Form::kExitSaveId);
                            });
                            ClickControl(again, CEntryTypeDialog::kOkId);
                        });
                        ClickControl(sameDances, Form::kExitSaveId);
                    });
                    QTest::keyClick(proAm, Qt::Key_F6);
                });
                ClickControl(choice, CEntryTypeDialog::kOkId);
            });
            ClickControl(main, CMainDialog::kEntriesId);
            ClickControl(main, CMainDialog::kOkId);
        });
        RunTavorin(ui, dir.path().toStdString(), "");
        QCOMPARE(made.size(), 3);
        // The team's dancers are chosen from the persons by name, not as the studio added them.
        QStringList byName = chooserLines;
        byName.sort(Qt::CaseInsensitive);
        QCOMPARE(chooserLines, byName);
        QCOMPARE(chooserLines.size(), 7);
        // The team keeps them in the order of the person list.
        QCOMPARE(teamDancers,
                 QStringList({QStringLiteral("Emily Chen"), QStringLiteral("David Park")}));

        // The next run: every form of the studio, opened from its forms list.
        QStringList seen;
        WhenModalOpens([&](QWidget* main) {
            WhenModalOpens([&](QWidget* choice) {
                Choose(choice, CEntryTypeDialog::kPersonsId, {"<All> Starlight"});
                OpenFormsFrom(0, &seen);
                ClickControl(choice, CEntryTypeDialog::kViewFormsId);
                ClickControl(choice, CEntryTypeDialog::kCancelId);
            });
            ClickControl(main, CMainDialog::kEntriesId);
            ClickControl(main, CMainDialog::kOkId);
        });
        RunTavorin(ui, dir.path().toStdString(), "");
        for (const QString& form : made) {
            QVERIFY2(seen.contains(form), qPrintable(form + QStringLiteral("\nnot among\n") +
                                                     seen.join(QLatin1Char('\n'))));
        }
    }
};

QTEST_MAIN(DanceEntriesStoryTest)
#include "DanceEntriesStoryTest.moc"
