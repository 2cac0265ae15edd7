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
#include "platform/qt/ControlNames.h"
#include "platform/qt/QtUi.h"
#include "shell/MainDialog.h"
#include "shell/Startup.h"
#include "studio/StudioDialog.h"

namespace {

void Type(QWidget* dialog, int id, const QString& text) {
    auto* edit = FindControl<QLineEdit>(dialog, id);
    QVERIFY(edit != nullptr);
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, text);
}

void Click(QWidget* dialog, int id) {
    auto* button = FindControl<QPushButton>(dialog, id);
    QVERIFY(button != nullptr);
    button->click();
}

QStringList Lines(QWidget* dialog, int id) {
    QStringList lines;
    if (auto* list = FindControl<QListWidget>(dialog, id)) {
        for (int row = 0; row < list->count(); ++row) {
            lines << list->item(row)->text();
        }
    }
    return lines;
}

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
        Type(person, CPersonDialog::kLastNameId, last);
        Type(person, CPersonDialog::kFirstNameId, first);
        FindControl<QComboBox>(person, CPersonDialog::kTypeId)->setCurrentIndex(type);
        Click(person, CPersonDialog::kOkId);
    });
    Click(list, CPersonListDialog::kAddId);
}

}  // namespace

class PersonStepStoryTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { SetUpApplication(*qApp); }

    void AddRoomDeleteQuitAndReopen() {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        QFile setup(dir.filePath(QStringLiteral("Spring.stu")));
        QVERIFY(setup.open(QIODevice::WriteOnly));
        setup.write("stu|1|Spring Open|org@example.org|S|S|S|1\r\n");
        setup.close();
        CQtUi ui;

        QStringList afterDelete;
        WhenModalOpens([&](QWidget* studio) {
            Type(studio, CStudioDialog::kNameId, QStringLiteral("Star Dance"));
            Type(studio, CStudioDialog::kNameAgainId, QStringLiteral("Star Dance"));
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
                            Click(choose, IDOK);
                        });
                        Click(person, CPersonDialog::kRoommateAddId);
                        WhenModalOpens([&](QWidget* comment) {
                            Type(comment, CTextDialog::kEditId, QStringLiteral("Vegetarian"));
                            Click(comment, IDOK);
                        });
                        Click(person, CPersonDialog::kCommentAddId);
                        Click(person, CPersonDialog::kOkId);
                    });
                    Click(list, CPersonListDialog::kEditId);

                    Select(list, CPersonListDialog::kListId, QStringLiteral("Oak, Cy [3]"));
                    WhenModalOpens([](QWidget* question) {
                        auto* box = qobject_cast<QMessageBox*>(question);
                        QVERIFY(box != nullptr);
                        box->button(QMessageBox::Yes)->click();
                    });
                    Click(list, CPersonListDialog::kDeleteId);
                    afterDelete = Lines(list, CPersonListDialog::kListId);
                    Click(list, CPersonListDialog::kOkId);
                });
                Click(main, CMainDialog::kPersonsId);
                Click(main, CMainDialog::kOkId);
            });
            Click(studio, CStudioDialog::kOkId);
        });
        RunTavorin(ui, dir.path().toStdString(), "");
        QCOMPARE(afterDelete,
                 (QStringList{QStringLiteral("Lee, Ann [1]"), QStringLiteral("Ray, Bob [2]")}));

        // The next run reads back exactly the two persons, the room and the comment.
        QStringList listed, roommates, comments;
        QString type;
        WhenModalOpens([&](QWidget* main) {
            WhenModalOpens([&](QWidget* list) {
                listed = Lines(list, CPersonListDialog::kListId);
                Select(list, CPersonListDialog::kListId, QStringLiteral("Lee, Ann [1]"));
                WhenModalOpens([&](QWidget* person) {
                    roommates = Lines(person, CPersonDialog::kRoommatesId);
                    comments = Lines(person, CPersonDialog::kCommentsId);
                    type = FindControl<QComboBox>(person, CPersonDialog::kTypeId)->currentText();
                    Click(person, CPersonDialog::kCancelId);
                });
                Click(list, CPersonListDialog::kEditId);
                Click(list, CPersonListDialog::kOkId);
            });
            Click(main, CMainDialog::kPersonsId);
            Click(main, CMainDialog::kOkId);
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
