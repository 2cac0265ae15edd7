// Step (2) as a new user meets it, over two runs of the program: three persons added, two made
// roommates, a comment, one person deleted; the next run shows exactly what was left.
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include "GuiTestSupport.h"
#include "app/Application.h"
#include "dialogs/ListDialog.h"
#include "dialogs/TextDialog.h"
#include "persons/PersonDialog.h"
#include "persons/PersonListDialog.h"
#include "qt/ControlNames.h"
#include "qt/QtUi.h"
#include "shell/MainDialog.h"
#include "shell/Startup.h"
#include "studio/StudioDialog.h"

namespace {

void Select(QWidget* dialog, int id, const QString& text) {
    auto* list = FindControl<QListWidget>(dialog, id);
    QVERIFY(list != nullptr);
    const auto found = list->findItems(text, Qt::MatchExactly);
    QVERIFY2(!found.isEmpty(), qPrintable(text));
    list->setCurrentItem(found.front());
}

// Add in the list of persons, then the person typed and OK.
void AddPerson(QWidget* list, const QString& last, const QString& first, int type) {
    WhenModalOpens([=](QWidget* person) {
        TypeInField(person, CPersonDialog::kLastNameId, last);
        TypeInField(person, CPersonDialog::kFirstNameId, first);
        FindControl<QComboBox>(person, CPersonDialog::kTypeId)->setCurrentIndex(type);
        ClickControl(person, CPersonDialog::kOkId);
    });
    ClickControl(list, CPersonListDialog::kAddId);
}

}  // namespace

class PersonStepStoryTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { SetUpApplication(*qApp); }

    void AddRoomDeleteQuitAndReopen() {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        WriteSpringSetup(dir.path());
        CQtUi ui;

        QStringList afterDelete;
        WhenModalOpens([&](QWidget* studio) {
            TypeInField(studio, CStudioDialog::kNameId, QStringLiteral("Star Dance"));
            TypeInField(studio, CStudioDialog::kNameAgainId, QStringLiteral("Star Dance"));
            WhenModalOpens([&](QWidget* main) {
                WhenModalOpens([&](QWidget* list) {
                    AddPerson(list, QStringLiteral("Lee"), QStringLiteral("Ann"), 3);
                    AddPerson(list, QStringLiteral("Ray"), QStringLiteral("Bob"), 2);
                    AddPerson(list, QStringLiteral("Oak"), QStringLiteral("Cy"), 6);

                    // Ann shares a room with Bob and gets a comment.
                    Select(list, CPersonListDialog::kListId, QStringLiteral("Lee, Ann [1]"));
                    WhenModalOpens([&](QWidget* person) {
                        WhenModalOpens([&](QWidget* choose) {
                            QCOMPARE(choose->windowTitle(), QStringLiteral("Select roommate"));
                            Select(choose, CListDialog::kSingleListId, QStringLiteral("Ray, Bob"));
                            ClickControl(choose, IDOK);
                        });
                        ClickControl(person, CPersonDialog::kRoommateAddId);
                        WhenModalOpens([&](QWidget* comment) {
                            TypeInField(comment, CTextDialog::kEditId,
                                        QStringLiteral("Vegetarian"));
                            ClickControl(comment, IDOK);
                        });
                        ClickControl(person, CPersonDialog::kCommentAddId);
                        ClickControl(person, CPersonDialog::kOkId);
                    });
                    ClickControl(list, CPersonListDialog::kEditId);

                    Select(list, CPersonListDialog::kListId, QStringLiteral("Oak, Cy [3]"));
                    WhenModalOpens([](QWidget* question) {
                        auto* box = qobject_cast<QMessageBox*>(question);
                        QVERIFY(box != nullptr);
                        box->button(QMessageBox::Yes)->click();
                    });
                    ClickControl(list, CPersonListDialog::kDeleteId);
                    afterDelete = ListLines(list, CPersonListDialog::kListId);
                    ClickControl(list, CPersonListDialog::kOkId);
                });
                ClickControl(main, CMainDialog::kPersonsId);
                ClickControl(main, CMainDialog::kOkId);
            });
            ClickControl(studio, CStudioDialog::kOkId);
        });
        RunTavorin(ui, dir.path().toStdString(), "");
        QCOMPARE(afterDelete,
                 (QStringList{QStringLiteral("Lee, Ann [1]"), QStringLiteral("Ray, Bob [2]")}));

        // The next run reads back exactly the two persons, the room and the comment.
        QStringList listed, roommates, comments;
        QString type;
        WhenModalOpens([&](QWidget* main) {
            WhenModalOpens([&](QWidget* list) {
                listed = ListLines(list, CPersonListDialog::kListId);
                Select(list, CPersonListDialog::kListId, QStringLiteral("Lee, Ann [1]"));
                WhenModalOpens([&](QWidget* person) {
                    roommates = ListLines(person, CPersonDialog::kRoommatesId);
                    comments = ListLines(person, CPersonDialog::kCommentsId);
                    type = FindControl<QComboBox>(person, CPersonDialog::kTypeId)->currentText();
                    ClickControl(person, CPersonDialog::kCancelId);
                });
                ClickControl(list, CPersonListDialog::kEditId);
                ClickControl(list, CPersonListDialog::kOkId);
            });
            ClickControl(main, CMainDialog::kPersonsId);
            ClickControl(main, CMainDialog::kOkId);
        });
        RunTavorin(ui, dir.path().toStdString(), "");
        QCOMPARE(listed,
                 (QStringList{QStringLiteral("Lee, Ann [1]"), QStringLiteral("Ray, Bob [2]")}));
        QCOMPARE(roommates, QStringList{QStringLiteral("Ray, Bob")});
        QCOMPARE(comments, QStringList{QStringLiteral("Vegetarian")});
        QCOMPARE(type, QStringLiteral("Lady amateur, adult"));
    }
};

QTEST_MAIN(PersonStepStoryTest)
#include "PersonStepStoryTest.moc"
