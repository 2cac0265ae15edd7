// The list dialog on screen: its size in pixels, its one visible list box, the row of buttons,
// sorting, All/None, Shift-click, and F2/F3 search.
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

#include "GuiTestSupport.h"
#include "app/Application.h"
#include "dialogs/ListDialog.h"
#include "dialogs/ListSearch.h"
#include "qt/ControlNames.h"
#include "qt/QtUi.h"

namespace {

QListWidget* ShownList(QWidget* dialog) {
    QListWidget* shown = nullptr;
    for (auto* list : dialog->findChildren<QListWidget*>()) {
        if (list->isVisible()) {
            if (shown != nullptr) {
                return nullptr;  // more than one list box showing
            }
            shown = list;
        }
    }
    return shown;
}

}  // namespace

class ListDialogViewTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { SetUpApplication(*qApp); }

    void FortyLinesAreAsTallAsSeventeen() {
        CQtUi ui;
        CListDialog dialog("Select", 'N', 'N', -1, 0, "", "", "");
        for (int i = 0; i < 40; ++i) {
            dialog.AddItem(i, "Competition " + std::to_string(i));
        }
        QSize size;
        WhenModalOpens([&size](QWidget* view) {
            size = view->size();
            view->close();
        });
        QCOMPARE(dialog.Run(ui), -1);
        QCOMPARE(size.height(), 342);
        // 300 pixels, or more where the font needs them for "OK/Select" (Tahoma does).
        QVERIFY2(size.width() >= 300, qPrintable(QString::number(size.width())));
    }

    // As narrow as "Select roommate" gets: every button's text stays whole in the dialog's font
    // (Windows' Tahoma is wider than the texts' measure), and the list still fills the width.
    void NarrowListKeepsItsButtonTextsWhole() {
        CQtUi ui;
        CListDialog dialog("Select roommate", 'N', 'N', -1, 0, "", "", "");
        dialog.AddItem(1, "Turner, Michael");
        QStringList cut;
        int listWidth = 0, width = 0;
        WhenModalOpens([&](QWidget* view) {
            for (const QPushButton* button : view->findChildren<QPushButton*>()) {
                if (button->isVisible() &&
                    button->fontMetrics().horizontalAdvance(button->text()) + 8 > button->width()) {
                    cut << button->text();
                }
            }
            listWidth = ShownList(view)->width();
            width = view->width();
            SaveScreenshot(view, QStringLiteral("list-dialog-roommate"));
            view->close();
        });
        dialog.Run(ui);
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QStringLiteral(", "))));
        QVERIFY(width >= 300);
        QCOMPARE(listWidth, width);
    }

    void LongTitleCapsTheWidth() {
        CQtUi ui;
        CListDialog dialog(std::string(60, 'T'), 'N', 'N', -1, 0, "", "", "");
        dialog.AddItem(1, "one");
        dialog.AddItem(2, "two");
        QSize size;
        QRect listRect, okRect, cancelRect;
        WhenModalOpens([&](QWidget* view) {
            size = view->size();
            listRect = ShownList(view)->geometry();
            okRect = FindControlById(view, IDOK)->geometry();
            cancelRect = FindControlById(view, IDCANCEL)->geometry();
            SaveScreenshot(view, QStringLiteral("list-dialog-single"));
            view->close();
        });
        dialog.Run(ui);
        QCOMPARE(size, QSize(635, 2 * 16 + 70));
        // h = 635 / 5 - 8 = 119; the row lies 27 pixels above the bottom.
        QCOMPARE(listRect, QRect(0, 0, 635, 102 - 30));
        QCOMPARE(okRect, QRect(127 * 4 + 4, 102 - 27, 119, 24));
        QCOMPARE(cancelRect, QRect(3 * 119 + 28, 102 - 27, 119, 24));
    }

    void SingleModeShowsOneListAndTheCallersButtons() {
        CQtUi ui;
        CListDialog forms("Select entry form", 'N', 'N', -1, 1, "Delete", "Select", "Exit");
        forms.AddItem(4, "Waltz, Bronze");
        forms.AddItem(8, "Tango, Silver");
        WhenModalOpens([](QWidget* view) {
            QListWidget* list = ShownList(view);
            QVERIFY(list != nullptr);
            QCOMPARE(list->objectName(), QStringLiteral("kSingleListId"));
            QCOMPARE(list->currentRow(), 0);
            QVERIFY(!FindControlById(view, CListDialog::kAllId)->isVisible());
            QVERIFY(!FindControlById(view, CListDialog::kNoneId)->isVisible());
            auto* extra = FindControl<QPushButton>(view, CListDialog::kExtraId);
            QCOMPARE(extra->text(), QStringLiteral("Delete"));
            QCOMPARE(FindControl<QPushButton>(view, IDOK)->text(), QStringLiteral("Select"));
            QCOMPARE(FindControl<QPushButton>(view, IDCANCEL)->text(), QStringLiteral("Exit"));
            QCOMPARE(extra->accessibleName(), QStringLiteral("Delete"));
            QCOMPARE(list->accessibleName(), QStringLiteral("Select entry form"));
            SaveScreenshot(view, QStringLiteral("list-dialog-forms"));
            list->setCurrentRow(1);
            extra->click();
        });
        QCOMPARE(forms.Run(ui), CListDialog::kExtraResult);
        QCOMPARE(forms.resultKey, 8);
    }

    // The first line is chosen when the list opens; Enter moves on to the OK button, not to
    // Cancel, and Enter again takes the line.
    void EnterTwiceTakesTheChosenLine() {
        CQtUi ui;
        CListDialog dialog("Select", 'N', 'N', CListDialog::kNoChoice, 0, "", "", "");
        dialog.AddItem(0, "Star Dance");
        dialog.AddItem(1, "Moonlight Ballroom");
        WhenModalOpens([](QWidget* view) {
            QCOMPARE(ShownList(view)->currentRow(), 0);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            QCOMPARE(QApplication::focusWidget(), FindControlById(view, IDOK));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        });
        QCOMPARE(dialog.Run(ui), 0);
    }

    void DoubleClickChoosesInSingleMode() {
        CQtUi ui;
        CListDialog dialog("Select", 'N', 'N', 20, 0, "", "", "");
        dialog.AddItem(10, "Spring Open");
        dialog.AddItem(20, "Summer Classic");
        dialog.AddItem(30, "Autumn Ball");
        WhenModalOpens([](QWidget* view) {
            QListWidget* list = ShownList(view);
            QCOMPARE(list->currentRow(), 1);
            const QRect rect = list->visualItemRect(list->item(2));
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rect.center());
            QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, rect.center());
        });
        QCOMPARE(dialog.Run(ui), 30);
    }

    void SortedMultipleListOrdersIgnoringCaseAndReturnsChosenKeys() {
        CQtUi ui;
        CListDialog dialog("Select person", 'M', 'S', -1, 0, "", "", "");
        dialog.AddItem(5, "Smith, Bob");
        dialog.AddItem(2, "adams, Ann");
        dialog.AddItem(9, "Miller, Eve");
        dialog.AddItem(7, "Baker, Tom");
        std::vector<int> chosen;
        WhenModalOpens([](QWidget* view) {
            QListWidget* list = ShownList(view);
            QCOMPARE(list->objectName(), QStringLiteral("kMultipleSortedListId"));
            QCOMPARE(ListLines(list),
                     (QStringList{"adams, Ann", "Baker, Tom", "Miller, Eve", "Smith, Bob"}));
            QVERIFY(list->selectedItems().isEmpty());
            // A click picks a line, Shift+click on another picks every line between them.
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                              list->visualItemRect(list->item(0)).center());
            QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::ShiftModifier,
                              list->visualItemRect(list->item(2)).center());
            QCOMPARE(list->selectedItems().size(), 3);
            SaveScreenshot(view, QStringLiteral("list-dialog-multiple"));
            FindControl<QPushButton>(view, IDOK)->click();
        });
        QCOMPARE(dialog.Run(ui, &chosen), 1);
        QCOMPARE(chosen, (std::vector<int>{2, 7, 9}));
    }

    void AllAndNoneThenCancelLeavesNothingChosen() {
        CQtUi ui;
        CListDialog dialog("Select person", 'M', 'N', -1, 0, "", "", "");
        dialog.AddItem(1, "Adams, Ann");
        dialog.AddItem(2, "Baker, Tom");
        std::vector<int> chosen{1};
        int selectedAfterAll = 0;
        int selectedAfterNone = -1;
        WhenModalOpens([&](QWidget* view) {
            QListWidget* list = ShownList(view);
            FindControl<QPushButton>(view, CListDialog::kAllId)->click();
            selectedAfterAll = static_cast<int>(list->selectedItems().size());
            FindControl<QPushButton>(view, CListDialog::kNoneId)->click();
            selectedAfterNone = static_cast<int>(list->selectedItems().size());
            FindControl<QPushButton>(view, CListDialog::kAllId)->click();
            FindControl<QPushButton>(view, IDCANCEL)->click();
        });
        QCOMPARE(dialog.Run(ui, &chosen), 2);
        QCOMPARE(selectedAfterAll, 2);
        QCOMPARE(selectedAfterNone, 0);
        QVERIFY(chosen.empty());
    }

    void F2SearchesAndF3SearchesAgain() {
        CQtUi ui;
        CListDialog dialog("Select", 'N', 'N', -1, 0, "", "", "");
        dialog.AddItem(1, "Adams, Ann");
        dialog.AddItem(2, "Smith, Bob");
        dialog.AddItem(3, "Goldsmith, Eve");
        QStringList steps;
        WhenModalOpens([&steps](QWidget* view) {
            QListWidget* list = ShownList(view);
            // F2 opens "Search for:"; the user types smith and presses Enter.
            WhenModalOpens([&steps](QWidget* ask) {
                steps << ask->windowTitle();
                QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("smith"));
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            });
            QTest::keyClick(list, Qt::Key_F2);
            // The offscreen platform has no window manager to hand activation back.
            view->activateWindow();
            QTRY_COMPARE(QApplication::activeWindow(), view);
            steps << list->currentItem()->text();
            QTest::keyClick(list, Qt::Key_F3);
            steps << list->currentItem()->text();
            // At the end of the list F3 says what it did not find.
            QString message;
            CloseNextMessageBox(&message);
            QTest::keyClick(list, Qt::Key_F3);
            view->activateWindow();
            QTRY_COMPARE(QApplication::activeWindow(), view);
            steps << message << list->currentItem()->text();
            view->close();
        });
        dialog.Run(ui);
        QCOMPARE(steps, (QStringList{"Search for:", "Smith, Bob", "Goldsmith, Eve",
                                     "Not found:SMITH", "Goldsmith, Eve"}));
    }

    void F3InAMultipleListWithNothingChosenStartsAtTheFirstLine() {
        CQtUi ui;
        CListDialog dialog("Select dancers", 'M', 'N', -1, 0, "", "", "");
        for (const char* name : {"Smith, Bob", "Adams, Ann", "Goldsmith, Eve"}) {
            dialog.AddItem(0, name);
        }
        ui.lastSearchText = "SMITH";
        QStringList chosen;
        WhenModalOpens([&](QWidget* view) {
            QListWidget* list = ShownList(view);
            list->setCurrentRow(0, QItemSelectionModel::NoUpdate);  // focus on a line, none chosen
            QTest::keyClick(list, Qt::Key_F3);
            for (const QListWidgetItem* item : list->selectedItems()) {
                chosen << item->text();
            }
            view->close();
        });
        dialog.Run(ui);
        QCOMPARE(chosen, QStringList{"Smith, Bob"});
    }

    void F3HeldDownSearchesOnce() {
        CQtUi ui;
        CListDialog dialog("Select", 'N', 'N', -1, 0, "", "", "");
        for (const char* name : {"Adams, Ann", "Smith, Bob", "Goldsmith, Eve", "Smithers, Al"}) {
            dialog.AddItem(0, name);
        }
        ui.lastSearchText = "SMITH";
        QString afterPress;
        QString afterRepeats;
        WhenModalOpens([&](QWidget* view) {
            QListWidget* list = ShownList(view);
            QTest::simulateEvent(list, true, Qt::Key_F3, Qt::NoModifier, QString(), false);
            afterPress = list->currentItem()->text();
            // The keyboard repeats the press while the key is held.
            for (int i = 0; i < 2; ++i) {
                QTest::simulateEvent(list, true, Qt::Key_F3, Qt::NoModifier, QString(), true);
            }
            QTest::simulateEvent(list, false, Qt::Key_F3, Qt::NoModifier, QString(), false);
            afterRepeats = list->currentItem()->text();
            view->close();
        });
        dialog.Run(ui);
        QCOMPARE(afterPress, QStringLiteral("Smith, Bob"));
        QCOMPARE(afterRepeats, QStringLiteral("Smith, Bob"));
    }
};

QTEST_MAIN(ListDialogViewTest)
#include "ListDialogViewTest.moc"
