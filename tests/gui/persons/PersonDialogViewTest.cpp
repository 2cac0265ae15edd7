// The person dialogs on screen: a person typed with the keyboard alone reaches the list and the
// data file; every control carries its label, in a sensible tab order, nothing cut off or
// overlapping; the fields refuse what the data file cannot keep.
#include <QComboBox>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QToolTip>
#include <QtTest>

#include "GuiTestSupport.h"
#include "app/Application.h"
#include "data/Database.h"
#include "persons/PersonDialog.h"
#include "persons/PersonListDialog.h"
#include "qt/ControlNames.h"
#include "qt/QtUi.h"

class PersonDialogViewTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { SetUpApplication(*qApp); }

    void init() {
        QVERIFY(dir_.isValid());
        store_ = std::make_unique<CDatabase>(ui_);
        store_->fieldSeparator = "|";
        store_->dataFileName = dir_.filePath(QStringLiteral("Spring_Star_Dance.tvr")).toStdString();
        auto studio = std::make_unique<CStudioRecord>();
        studio->number = 1;
        studio->name = "Star Dance";
        store_->studioArray.push_back(std::move(studio));
    }

    void KeysAloneAddAPerson() {
        QStringList listed;
        int focusAfterEnter = 0;
        WhenModalOpens([&](QWidget* list) {
            QCOMPARE(list->windowTitle(), QStringLiteral("List of persons"));
            WhenModalOpens([&](QWidget* person) {
                QCOMPARE(person->windowTitle(), QStringLiteral("Person data"));
                auto* last = FindControl<QLineEdit>(person, CPersonDialog::kLastNameId);
                QVERIFY(last->hasFocus());
                QTest::keyClicks(last, QStringLiteral("Lee"));
                QTest::keyClick(last, Qt::Key_Return);
                focusAfterEnter = QApplication::focusWidget()->property("controlId").toInt();
                QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("Ann"));
                // On to the type: past the nickname and the note to MC.
                for (int i = 0; i < 3; ++i) {
                    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
                }
                auto* type = FindControl<QComboBox>(person, CPersonDialog::kTypeId);
                QVERIFY(type->hasFocus());
                QCOMPARE(type->currentIndex(), -1);
                QTest::keyClick(type, Qt::Key_Down);
                QTest::keyClick(type, Qt::Key_Down);
                QCOMPARE(type->currentText(), QStringLiteral("Lady professional"));
                auto* ok = FindControl<QPushButton>(person, CPersonDialog::kOkId);
                ok->setFocus();
                QTest::keyClick(ok, Qt::Key_Return);
            });
            auto* add = FindControl<QPushButton>(list, CPersonListDialog::kAddId);
            add->setFocus();
            QTest::keyClick(add, Qt::Key_Return);
            auto* persons = FindControl<QListWidget>(list, CPersonListDialog::kListId);
            listed = ListLines(persons);
            QCOMPARE(persons->accessibleName(), QStringLiteral("List of persons"));
            CheckNothingCutOrOverlapping(list);
            SaveScreenshot(list, QStringLiteral("person-list"));
            FindControl<QPushButton>(list, CPersonListDialog::kOkId)->click();
        });
        ShowPersonList(*store_);
        QCOMPARE(focusAfterEnter, CPersonDialog::kFirstNameId);
        QCOMPARE(listed, QStringList{QStringLiteral("Lee, Ann [1]")});
        QVERIFY(ReadFileBytes(QString::fromStdString(store_->dataFileName))
                    .contains("PR|F2|P|Ann|Lee|"));
    }

    void ANewPersonShowsEveryLabelInTabOrder() {
        CPersonRecord person;
        CPersonDialog model(*store_, person);
        QList<int> visited;
        QStringList problems;
        WhenModalOpens([&](QWidget* view) {
            // Buttons captioned only "Add", "Edit" or "Delete" say what they act on.
            QCOMPARE(FindControlById(view, CPersonDialog::kRoommateAddId)->toolTip(),
                     QStringLiteral("Choose a person who shares this person's hotel room"));
            QCOMPARE(FindControlById(view, CPersonDialog::kCommentDeleteId)->toolTip(),
                     QStringLiteral("Delete the chosen comment"));
            const std::pair<int, const char*> labelled[] = {
                {CPersonDialog::kLastNameId, "*Last name"},
                {CPersonDialog::kFirstNameId, "First name"},
                {CPersonDialog::kNicknameId, "Nick name"},
                {CPersonDialog::kNoteToMCId, "Note to MC Phonetic spelling"},
                {CPersonDialog::kTypeId, "*Type"},
                {CPersonDialog::kSSNumberId, "SS #"},
                {CPersonDialog::kMemberNumberId, "Member #"},
                {CPersonDialog::kRoommatesId, "Roommate list"},
                {CPersonDialog::kMealPreferenceId, "Meal preference"},
                {CPersonDialog::kCommentsId, "Comments"},
            };
            for (const auto& [id, spoken] : labelled) {
                QWidget* control = FindControlById(view, id);
                if (control == nullptr || control->accessibleName() != QLatin1String(spoken)) {
                    problems << QString::fromLatin1(spoken);
                }
            }
            // The two-line labels stand as given.
            QStringList labels;
            for (const QLabel* label : view->findChildren<QLabel*>()) {
                labels << label->text();
            }
            for (const char* text : {"* Required information", "*Last\nname", "Nick\nname",
                                     "Note to MC\nPhonetic spelling", "*Type"}) {
                if (!labels.contains(QLatin1String(text))) {
                    problems << QStringLiteral("label ") + QLatin1String(text);
                }
            }
            auto* type = FindControl<QComboBox>(view, CPersonDialog::kTypeId);
            QCOMPARE(type->count(), 7);
            QCOMPARE(type->itemText(6), QStringLiteral("Non-competitor"));
            CheckNothingCutOrOverlapping(view);
            SaveScreenshot(view, QStringLiteral("person-dialog-new"));

            QWidget* control = FindControlById(view, CPersonDialog::kLastNameId);
            for (int step = 0; step < 18; ++step) {
                visited << control->property("controlId").toInt();
                control = control->nextInFocusChain();
                while (!(control->focusPolicy() & Qt::TabFocus) || !control->isVisible()) {
                    control = control->nextInFocusChain();
                }
            }
            view->close();
        });
        QCOMPARE(ui_.RunDialog(model), IDCANCEL);
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QStringLiteral(", "))));
        const QList<int> expected = {
            CPersonDialog::kLastNameId,       CPersonDialog::kFirstNameId,
            CPersonDialog::kNicknameId,       CPersonDialog::kNoteToMCId,
            CPersonDialog::kTypeId,           CPersonDialog::kSSNumberId,
            CPersonDialog::kMemberNumberId,   CPersonDialog::kRoommatesId,
            CPersonDialog::kRoommateAddId,    CPersonDialog::kRoommateDeleteId,
            CPersonDialog::kMealPreferenceId, CPersonDialog::kCommentsId,
            CPersonDialog::kCommentAddId,     CPersonDialog::kCommentEditId,
            CPersonDialog::kCommentDeleteId,  CPersonDialog::kOkId,
            CPersonDialog::kCancelId,         CPersonDialog::kHelpId,
        };
        QCOMPARE(visited, expected);
    }

    void AStoredPersonWithRoommatesAndCommentsAndRefusedCharacters() {
        const auto add = [this](const char* first, const char* last, int group) {
            auto person = std::make_unique<CPersonRecord>();
            person->number = static_cast<int>(store_->personArray.size()) + 1;
            person->firstName = first;
            person->lastName = last;
            person->gender = 'F';
            person->classLetter = 'A';
            person->roommateGroup = group;
            store_->personArray.push_back(std::move(person));
            return store_->personArray.back().get();
        };
        // Lists sort by the user's collation; the test's C locale would compare code points.
        const QLocale before;
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        CPersonRecord* ann = add("Ann", "Lee", 3);
        add("Zoe", "\xC9lan", 3);  // by the collation before Fox, not after every plain letter
        add("Cy", "Fox", 3);
        ann->nickname = "Annie";
        ann->noteToMC = "Lee as in leeway";
        ann->mealPreference = 'V';
        ann->pCommentArray = {{1, 1, "Arrives Friday night"},
                              {1, 1, "Shares a room with her cousins"},
                              {1, 1, "Needs a parking pass for the whole weekend"}};
        CPersonDialog model(*store_, *ann);
        QStringList roommates;
        QStringList comments;
        QString last, meal;
        WhenModalOpens([&](QWidget* view) {
            QCOMPARE(FindControl<QComboBox>(view, CPersonDialog::kTypeId)->currentText(),
                     QStringLiteral("Lady amateur, adult"));
            roommates = ListLines(FindControl<QListWidget>(view, CPersonDialog::kRoommatesId));
            comments = ListLines(FindControl<QListWidget>(view, CPersonDialog::kCommentsId));
            CheckNothingCutOrOverlapping(view);
            SaveScreenshot(view, QStringLiteral("person-dialog-stored"));

            auto* lastEdit = FindControl<QLineEdit>(view, CPersonDialog::kLastNameId);
            lastEdit->end(false);
            // A refused character and a full field are told by the field, not dropped silently.
            QTest::keyClicks(lastEdit, QStringLiteral("-Ray [2]|"));
            QTRY_COMPARE(QToolTip::text(), QStringLiteral("| cannot be used here"));
            QTest::keyClicks(lastEdit, QStringLiteral(";") + QString(40, u'x'));
            QTRY_COMPARE(QToolTip::text(), QStringLiteral("At most 40 characters"));
            last = lastEdit->text();
            auto* mealEdit = FindControl<QLineEdit>(view, CPersonDialog::kMealPreferenceId);
            mealEdit->selectAll();
            QTest::keyClicks(mealEdit, QStringLiteral("f"));
            meal = mealEdit->text();
            FindControl<QPushButton>(view, CPersonDialog::kOkId)->click();
        });
        QCOMPARE(ui_.RunDialog(model), IDOK);
        QLocale::setDefault(before);
        QCOMPARE(roommates,
                 (QStringList{QString::fromUtf8("\xC3\x89lan, Zoe"), QStringLiteral("Fox, Cy")}));
        QCOMPARE(comments.size(), 3);
        QCOMPARE(comments.front(), QStringLiteral("Arrives Friday night"));
        QCOMPARE(last, QStringLiteral("Lee-Ray 2]") + QString(30, u'x'));
        QCOMPARE(meal, QStringLiteral("F"));
        QCOMPARE(ann->mealPreference, 'F');
        QCOMPARE(QString::fromStdString(ann->lastName), last);
    }

    void ALetterTheFileCannotHoldIsRefusedWithItsName() {
        CPersonRecord person;
        CPersonDialog model(*store_, person);
        QString typedFirst, pastedLast, typedTip, pastedTip;
        WhenModalOpens([&](QWidget* view) {
            auto* first = FindControl<QLineEdit>(view, CPersonDialog::kFirstNameId);
            first->setFocus();
            // Ł as a keyboard that has it types it, then the rest.
            QKeyEvent letter(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier,
                             QString::fromUtf8("\xC5\x81"));
            QApplication::sendEvent(first, &letter);
            QTest::keyClicks(first, QStringLiteral("ukasz"));
            QTRY_VERIFY(!QToolTip::text().isEmpty());
            typedTip = QToolTip::text();
            typedFirst = first->text();
            QToolTip::hideText();
            // Pasted text is checked as typed text is: the letters the file holds are kept.
            auto* last = FindControl<QLineEdit>(view, CPersonDialog::kLastNameId);
            last->setFocus();
            last->insert(QString::fromUtf8("W\xC3\xB3jcik-\xC5\x91z"));  // Wójcik-őz
            QTRY_VERIFY(QToolTip::text().startsWith(QString::fromUtf8("\xC5\x91")));
            pastedTip = QToolTip::text();
            pastedLast = last->text();
            SaveScreenshot(view, QStringLiteral("person-dialog-refused-letter"));
            first->setText(QStringLiteral("Lukasz"));
            FindControl<QComboBox>(view, CPersonDialog::kTypeId)->setCurrentIndex(1);
            FindControl<QPushButton>(view, CPersonDialog::kOkId)->click();
        });
        QCOMPARE(ui_.RunDialog(model), IDOK);
        QCOMPARE(typedTip,
                 QString::fromUtf8("\xC5\x81 cannot be stored: the organizer's files "
                                   "hold only the letters of Western European languages"));
        QCOMPARE(typedFirst, QStringLiteral("ukasz"));
        QVERIFY2(pastedTip.startsWith(QString::fromUtf8("\xC5\x91 cannot be stored")),
                 qPrintable(pastedTip));
        QCOMPARE(pastedLast, QString::fromUtf8("W\xC3\xB3jcik-z"));
        // Nothing became "?": the stored name holds what the field showed.
        QCOMPARE(person.lastName, std::string("W\xF3jcik-z"));
        QCOMPARE(person.firstName, std::string("Lukasz"));
    }

    void cleanup() { store_.reset(); }

private:
    QTemporaryDir dir_;
    CQtUi ui_;
    std::unique_ptr<CDatabase> store_;
};

QTEST_MAIN(PersonDialogViewTest)
#include "PersonDialogViewTest.moc"
