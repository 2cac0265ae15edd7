// Step (4) on screen: an entry made with the keyboard alone, from the type and category to the
// saved form, and the entry form's layouts for couples, couples with other dancers and groups.
#include <QAbstractItemView>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>

#include "GuiTestSupport.h"
#include "app/Application.h"
#include "data/Database.h"
#include "entries/DanceEntriesStep.h"
#include "entries/EntryFormDialog.h"
#include "entries/EntryManager.h"
#include "entries/EntryTypeDialog.h"
#include "qt/ButtonText.h"
#include "qt/ControlNames.h"
#include "qt/QtUi.h"

namespace {

using Form = CEntryFormDialog;

constexpr int kLatin = 10, kShowcase = 20, kFormation = 30;

CDanceCategory& AddCategory(CDatabase& db, int code, const char* name, char kind, char style) {
    auto category = std::make_unique<CDanceCategory>();
    category->code = code;
    category->name = name;
    category->kind = kind;
    category->style = style;
    category->allowAdultAmateur = true;
    category->pcaDances = {{1, "Cha Cha", ""}, {2, "Rumba", ""}, {3, "Samba", ""}};
    category->pcaLevels = {{1, "Bronze", 0}, {2, "Silver", 0}};
    category->pcaAges = {{1, "Adult", "19-35", 0, 0}, {2, "Senior", "over 35", 0, 0}};
    db.categoryArray.push_back(std::move(category));
    return *db.categoryArray.back();
}

void AddPerson(CDatabase& db, char gender, char classLetter, const char* first, const char* last) {
    auto person = std::make_unique<CPersonRecord>();
    person->number = static_cast<int>(db.personArray.size()) + 1;
    person->gender = gender;
    person->classLetter = classLetter;
    person->firstName = first;
    person->lastName = last;
    db.personArray.push_back(std::move(person));
}

// A competition with three categories and a studio whose gentlemen fill more than one drop-down,
// saved in `dir`.
void FillStore(CDatabase& db, const QTemporaryDir& dir) {
    db.fieldSeparator = "|";
    db.dataFileName = dir.filePath(QStringLiteral("Spring_Star.tvr")).toStdString();
    db.showDancePrices = 1;
    AddCategory(db, kLatin, "Latin", 'C', 'S').adultFee = 2500;  // cents
    AddCategory(db, kShowcase, "Showcase", 'S', 'S').pcaDances = {{0, "", ""}};
    AddCategory(db, kFormation, "Formation team match", 'G', 'T');
    auto studio = std::make_unique<CStudioRecord>();
    studio->number = 1;
    studio->name = "Star Dance";
    db.studioArray.push_back(std::move(studio));
    AddPerson(db, 'M', 'A', "Sam", "Adams");
    AddPerson(db, 'M', 'A', "Sal", "Sanders");
    AddPerson(db, 'M', 'A', "Tom", "Smith");
    AddPerson(db, 'M', 'A', "Ed", "Smythe");
    AddPerson(db, 'F', 'A', "Ann", "Lee");
    AddPerson(db, 'M', 'P', "Bob", "Ray");
    for (const char* last : {"Taylor", "Turner", "Underwood", "Vance", "Vaughn", "Walker", "Ward",
                             "Watson", "West", "White", "Wood", "Wright", "Young", "Zane"}) {
        AddPerson(db, 'M', 'A', "Al", last);
    }
}

void Key(QWidget* window, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QWidget* target = QApplication::focusWidget();
    QTest::keyClick(target != nullptr ? target : window, static_cast<Qt::Key>(key), modifiers);
}

// The first line the drop-down of `combo` shows.
int TopLine(QComboBox* combo) {
    return combo->view()->indexAt(QPoint(2, 2)).row();
}

// Nothing cut off, nothing overlapping, everything named for a screen reader.
void CheckLayout(QWidget* view) {
    QList<QWidget*> shown;
    for (QWidget* child : view->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child->isVisibleTo(view) && child->objectName() != QStringLiteral("exitGroup") &&
            child->objectName() != QStringLiteral("newFormText") && !child->isWindow()) {
            shown << child;
        }
    }
    QVERIFY(shown.size() > 5);
    for (int i = 0; i < shown.size(); ++i) {
        const QWidget* a = shown[i];
        // The dancers label of a group may start a pixel above the client area.
        QVERIFY2(view->rect().adjusted(0, -1, 0, 0).contains(a->geometry()),
                 qPrintable(a->objectName()));
        for (int j = i + 1; j < shown.size(); ++j) {
            QVERIFY2(!a->geometry().intersects(shown[j]->geometry()),
                     qPrintable(a->objectName() + QStringLiteral(" / ") + shown[j]->objectName()));
        }
        if (const auto* label = qobject_cast<const QLabel*>(a)) {
            const int flags = label->wordWrap() ? Qt::TextWordWrap : 0;
            const QRect needed = label->fontMetrics().boundingRect(
                QRect(0, 0, label->width(), 10000), flags | Qt::TextShowMnemonic, label->text());
            QVERIFY2(needed.width() <= label->width() && needed.height() <= label->height(),
                     qPrintable(label->text()));
        }
    }
    for (QWidget* control : view->findChildren<QWidget*>()) {
        const bool named = qobject_cast<QAbstractButton*>(control) != nullptr ||
                           qobject_cast<QListWidget*>(control) != nullptr ||
                           qobject_cast<QComboBox*>(control) != nullptr ||
                           (qobject_cast<QLineEdit*>(control) != nullptr &&
                            qobject_cast<QComboBox*>(control->parentWidget()) == nullptr);
        if (named && control->isVisibleTo(view)) {
            QVERIFY2(!control->accessibleName().isEmpty(), qPrintable(control->objectName()));
        }
        if (const auto* button = qobject_cast<const QPushButton*>(control);
            button != nullptr && button->isVisibleTo(view)) {
            // With the style's margins, which Windows' style keeps clear of the text.
            QVERIFY2(ButtonTextWidth(button) <= button->width(),
                     qPrintable(QStringLiteral("%1: %2 > %3")
                                    .arg(button->text())
                                    .arg(ButtonTextWidth(button))
                                    .arg(button->width())));
        }
    }
}

}  // namespace

class EntryFormDialogViewTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { SetUpApplication(*qApp); }

    void AnEntryIsMadeWithTheKeyboardAlone() {
        QTemporaryDir dir;
        CQtUi ui;
        CDatabase db(ui);
        FillStore(db, dir);
        bool formSeen = false;
        QString title;
        int scrolledTo = -1;
        int scrolledBack = -1;
        WhenModalOpens([&](QWidget* choice) {
            QCOMPARE(choice->windowTitle(), QStringLiteral("Select entry type and dance category"));
            SaveScreenshot(choice, QStringLiteral("entry-type-dialog"));
            CheckLayoutOfTypeDialog(choice);
            // From the categories back to the marked type, then to "Adult amateur" beside it.
            Key(choice, Qt::Key_Backtab);
            QCOMPARE(QApplication::focusWidget()->accessibleName(),
                     QStringLiteral("Adult lady pro/am"));
            Key(choice, Qt::Key_Right);
            QVERIFY(FindControl<QRadioButton>(choice, 1603)->isChecked());
            Key(choice, Qt::Key_Tab);
            Key(choice, Qt::Key_Space);
            QCOMPARE(FindControl<QListWidget>(choice, CEntryTypeDialog::kCategoriesId)
                         ->selectedItems()
                         .value(0)
                         ->text(),
                     QStringLiteral("Latin"));
            WhenModalOpens([&](QWidget* form) {
                formSeen = true;
                title = form->windowTitle();
                auto* gentleman = FindControl<QComboBox>(form, Form::kGentlemanId);
                QCOMPARE(QApplication::focusWidget(), gentleman);
                // "SM" scrolls to Smith, Backspace back to the first "S".
                Key(form, Qt::Key_S);
                Key(form, Qt::Key_M);
                QVERIFY(gentleman->view()->isVisible());
                scrolledTo = TopLine(gentleman);
                Key(form, Qt::Key_Backspace);
                scrolledBack = TopLine(gentleman);
                QCOMPARE(gentleman->currentText(), QStringLiteral("S"));
                Key(form, Qt::Key_M);
                // The first name beginning so is marked: Down moves on from it, Up back, and
                // Enter takes the marked name.
                QCOMPARE(gentleman->view()->currentIndex().row(), 2);
                Key(form, Qt::Key_Down);
                QCOMPARE(gentleman->view()->currentIndex().row(), 3);
                Key(form, Qt::Key_Up);
                Key(form, Qt::Key_Return);
                QCOMPARE(gentleman->currentText(), QStringLiteral("Smith, Tom"));
                Key(form, Qt::Key_Tab);
                auto* lady = FindControl<QComboBox>(form, Form::kLadyId);
                QCOMPARE(QApplication::focusWidget(), lady);
                Key(form, Qt::Key_L);
                Key(form, Qt::Key_Return);
                QCOMPARE(lady->currentText(), QStringLiteral("Lee, Ann"));
                // Moving into a list marks its first line; Space chooses it, Down the next.
                Key(form, Qt::Key_L, Qt::AltModifier);
                Key(form, Qt::Key_Space);
                Key(form, Qt::Key_A, Qt::AltModifier);
                Key(form, Qt::Key_Down);
                Key(form, Qt::Key_D, Qt::AltModifier);
                QCOMPARE(QApplication::focusWidget(), FindControlById(form, Form::kDancesId));
                Key(form, Qt::Key_Space);
                Key(form, Qt::Key_Down);
                Key(form, Qt::Key_Down);
                Key(form, Qt::Key_Space);
                // The cost follows the chosen dances.
                auto* cost = form->findChild<QLabel*>(QStringLiteral("formCost"));
                QVERIFY(cost != nullptr && cost->isVisible());
                QCOMPARE(cost->text(), QStringLiteral("Cost: 2 x 25.00 = 50.00"));
                SaveScreenshot(form, QStringLiteral("entry-form-C-filled"));
                // The coded "New form with" buttons say what they do and name their key.
                for (int key = 5; key <= 9; ++key) {
                    const auto& button = Form::NewFormButtons()[static_cast<size_t>(key - 5)];
                    const QString tip = FindControlById(form, button.id)->toolTip();
                    QVERIFY2(tip.startsWith(QStringLiteral("Save this form, then start")) &&
                                 tip.contains(QStringLiteral("(F%1)").arg(key)),
                             qPrintable(tip));
                }
                // The button's mnemonic presses it the way a click would, a moment later.
                Key(form, Qt::Key_X, Qt::AltModifier);
                QTRY_VERIFY(!form->isVisible());
                // Back at the choice, which the user leaves.
                WhenModalOpens([](QWidget* again) { Key(again, Qt::Key_Escape); });
            });
            Key(choice, Qt::Key_Tab);
            Key(choice, Qt::Key_Return);
        });
        EditDanceEntries(db);
        QVERIFY(formSeen);
        QCOMPARE(title, QStringLiteral("Adult amateur couple in Latin"));
        QCOMPARE(scrolledTo, 2);
        QCOMPARE(scrolledBack, 1);

        QFile data(QString::fromStdString(db.dataFileName));
        QVERIFY(data.open(QIODevice::ReadOnly));
        QList<QByteArray> entries;
        for (const QByteArray& line : data.readAll().split('\n')) {
            if (line.startsWith("EN|")) {
                entries << line;
            }
        }
        QCOMPARE(entries.size(), 2);
        QCOMPARE(db.entryArray.size(), size_t{2});
        QCOMPARE(db.entryArray[0]->formCode, db.entryArray[1]->formCode);
        QCOMPARE(db.entryArray[0]->gentleman, 3);
        QCOMPARE(db.entryArray[0]->lady, 5);
        QCOMPARE(int(db.entryArray[0]->dance), 1);
        QCOMPARE(int(db.entryArray[1]->dance), 3);
        QCOMPARE(int(db.entryArray[0]->level), 1);
        QCOMPARE(int(db.entryArray[0]->age), 2);
    }

    // The box's text decides: letters that begin no name leave nobody marked, so Enter books
    // nobody and the form's own check asks for a name; accented names are reached with or
    // without their accents, and by the keyboard's own accented keys.
    void EnterAfterLettersThatBeginNoNameBooksNobody() {
        QTemporaryDir dir;
        CQtUi ui;
        CDatabase db(ui);
        FillStore(db, dir);
        AddPerson(db, 'M', 'A', "Lars",
                  "\xC5"
                  "berg");                                 // Åberg
        AddPerson(db, 'M', 'A', "Fran\xE7ois", "Dubois");  // François
        CEntryManager manager(db);
        manager.NewForm(kLatin, 'A');
        Form model(db, manager.form);
        QString chosenFirst, afterMiss, refusal, accentedTop;
        int plainRow = -1, accentedRow = -1;
        bool markAfterMiss = true, popupAfterMiss = true, stillOpen = false;
        WhenModalOpens([&](QWidget* form) {
            auto* gentleman = FindControl<QComboBox>(form, Form::kGentlemanId);
            QCOMPARE(QApplication::focusWidget(), gentleman);
            // Dubois is marked by "D" and taken by Enter.
            Key(form, Qt::Key_D);
            Key(form, Qt::Key_Return);
            chosenFirst = gentleman->currentText();
            // Back in the box: "AB" reaches Åberg, first among the A's.
            gentleman->setFocus();
            gentleman->lineEdit()->selectAll();
            Key(form, Qt::Key_A);
            Key(form, Qt::Key_B);
            plainRow = gentleman->view()->currentIndex().row();
            Key(form, Qt::Key_Backspace);
            Key(form, Qt::Key_Backspace);
            // The keyboard's own å types itself and marks Åberg too.
            QKeyEvent aring(QEvent::KeyPress, Qt::Key_Aring, Qt::NoModifier,
                            QString::fromUtf8("\xC3\xA5"));
            QApplication::sendEvent(QApplication::focusWidget(), &aring);
            accentedRow = gentleman->view()->currentIndex().row();
            accentedTop = gentleman->currentText();
            // "ÅQ" begins no name: nothing is marked, and Enter leaves the letters in the box.
            Key(form, Qt::Key_Q);
            markAfterMiss = gentleman->view()->currentIndex().isValid();
            Key(form, Qt::Key_Return);
            popupAfterMiss = gentleman->view()->isVisible();
            afterMiss = gentleman->currentText();
            SaveScreenshot(form, QStringLiteral("entry-form-unmatched-letters"));
            // Saving asks for a valid gentleman; the form stays open.
            CloseNextMessageBox(&refusal);
            Key(form, Qt::Key_X, Qt::AltModifier);
            QTRY_VERIFY(!refusal.isEmpty());
            stillOpen = form->isVisible();
            // Leaving with Escape is asked about; Yes leaves.
            WhenModalOpens([](QWidget* question) {
                auto* box = qobject_cast<QMessageBox*>(question);
                if (box != nullptr) {
                    box->button(QMessageBox::Yes)->click();
                }
            });
            Key(form, Qt::Key_Escape);
        });
        ui.RunDialog(model);
        QCOMPARE(chosenFirst, QString::fromUtf8("Dubois, Fran\xC3\xA7ois"));
        QCOMPARE(plainRow, 0);
        QCOMPARE(accentedRow, 0);
        QCOMPARE(accentedTop, QString::fromUtf8("\xC3\x85"));
        QVERIFY(!markAfterMiss);
        QVERIFY(!popupAfterMiss);
        QCOMPARE(afterMiss, QString::fromUtf8("\xC3\x85Q"));
        QCOMPARE(refusal, QStringLiteral("Valid male name required"));
        QVERIFY(stillOpen);
        QCOMPARE(manager.form.gentleman, -1);
        QVERIFY(db.entryArray.empty());
    }

    void EachKindOfFormFitsItsControls_data() {
        QTest::addColumn<int>("category");
        QTest::addColumn<char>("type");
        QTest::addColumn<QString>("shot");
        QTest::newRow("couple") << kLatin << 'A' << QStringLiteral("entry-form-C");
        QTest::newRow("other dancers") << kShowcase << 'A' << QStringLiteral("entry-form-S");
        QTest::newRow("group") << kFormation << 'G' << QStringLiteral("entry-form-G");
    }

    void EachKindOfFormFitsItsControls() {
        QFETCH(int, category);
        QFETCH(char, type);
        QFETCH(QString, shot);
        QTemporaryDir dir;
        CQtUi ui;
        CDatabase db(ui);
        FillStore(db, dir);
        CEntryManager manager(db);
        manager.NewForm(category, type);
        manager.form.dancers = {1, 5};
        Form model(db, manager.form);
        WhenModalOpens([&](QWidget* view) {
            CheckLayout(view);
            for (const auto& [id, place] : model.placements) {
                const QWidget* moved = FindControlById(view, id);
                QVERIFY(moved != nullptr);
                // Where the form puts it; a label may be wider than given to show its text whole.
                QCOMPARE(moved->pos(), QPoint(place.x, place.y));
                QCOMPARE(moved->height(), place.height);
                QVERIFY(moved->width() >= place.width);
                QVERIFY(qobject_cast<const QLabel*>(moved) != nullptr ||
                        moved->width() == place.width);
            }
            SaveScreenshot(view, shot);
            if (type == 'G') {  // its label reads "Team name", without a mnemonic
                Key(view, Qt::Key_D, Qt::AltModifier);
                QCOMPARE(QApplication::focusWidget(), FindControlById(view, Form::kDancesId));
            }
            Key(view, Qt::Key_Escape);
        });
        QCOMPARE(ui.RunDialog(model), Form::Result(Form::kActionExit, false));
    }

private:
    void CheckLayoutOfTypeDialog(QWidget* choice) {
        for (const auto& button : CEntryTypeDialog::TypeButtons()) {
            auto* radio = FindControl<QRadioButton>(choice, button.id);
            QVERIFY(radio != nullptr);
            QCOMPARE(radio->accessibleName(), QString::fromLatin1(button.text));
        }
        QCOMPARE(FindControlById(choice, CEntryTypeDialog::kPersonsId)->accessibleName(),
                 QStringLiteral("Persons with dance entries"));
        QCOMPARE(FindControl<QPushButton>(choice, CEntryTypeDialog::kOkId)->text(),
                 QStringLiteral("Go to selected entry form "));
        auto* persons = FindControl<QListWidget>(choice, CEntryTypeDialog::kPersonsId);
        QCOMPARE(persons->item(0)->text(), QStringLiteral("<All> Star Dance (studio)"));
        QCOMPARE(persons->item(1)->text(), QStringLiteral("Adams, Sam (individual)"));
    }
};

QTEST_MAIN(EntryFormDialogViewTest)
#include "EntryFormDialogViewTest.moc"
