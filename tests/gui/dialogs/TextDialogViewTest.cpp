// "Enter text" on screen: its size follows the maximum length, and 'U' turns typed letters into
// upper case.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "GuiTestSupport.h"
#include "app/Application.h"
#include "dialogs/TextDialog.h"
#include "qt/ControlNames.h"
#include "qt/QtUi.h"
#include "qt/TextDialogView.h"

class TextDialogViewTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { SetUpApplication(*qApp); }

    void WidthFollowsTheMaximumLength() {
        CQtUi ui;
        // A one-letter answer no longer makes a dialog too narrow for its title.
        for (const auto& [maxLength, width] : {std::pair{60, 635}, std::pair{1, 240}}) {
            CTextDialog model("Comment", maxLength, "", 0);
            QSize size;
            QRect editRect, okRect, cancelRect;
            QString promptText;
            WhenModalOpens([&](QWidget* view) {
                size = view->size();
                editRect = FindControlById(view, CTextDialog::kEditId)->geometry();
                okRect = FindControlById(view, IDOK)->geometry();
                cancelRect = FindControlById(view, IDCANCEL)->geometry();
                promptText = view->findChild<QLabel*>()->text();
                SaveScreenshot(view, QStringLiteral("text-dialog-%1").arg(maxLength));
                view->close();
            });
            QCOMPARE(ui.RunDialog(model), IDCANCEL);
            const int a = CTextDialogView::TextAreaWidth(maxLength);
            QCOMPARE(size, QSize(width, 68));
            QCOMPARE(editRect, QRect(0, 20, a + 2, 20));
            QCOMPARE(okRect, QRect(a + 4, 20, 60, 20));
            QCOMPARE(cancelRect, QRect(a + 68, 20, 60, 20));
            QCOMPARE(promptText, QStringLiteral("Comment"));
        }
    }

    void UpperCaseModeTurnsTypedLettersUp() {
        CQtUi ui;
        CTextDialog model("Drive", 1, "A", 'U');
        QString shown;
        WhenModalOpens([&shown](QWidget* view) {
            auto* edit = FindControl<QLineEdit>(view, CTextDialog::kEditId);
            QCOMPARE(edit->text(), QStringLiteral("A"));
            QCOMPARE(edit->maxLength(), 1);
            edit->selectAll();
            QTest::keyClicks(edit, QStringLiteral("dx"));
            shown = edit->text();
            FindControl<QPushButton>(view, IDOK)->click();
        });
        QCOMPARE(ui.RunDialog(model), IDOK);
        QCOMPARE(shown, QStringLiteral("D"));
        QCOMPARE(QString::fromStdString(model.text), QStringLiteral("D"));
    }

    // The drive prompt of step 6: a label by its field that a screen reader speaks, and a Help
    // button that opens its topic, all of it in view.
    void ThePromptWithALabelAndHelpShowsThemWhole() {
        CQtUi ui;
        CTextDialog model("Drive", 1, "A", 'U');
        model.fieldLabel = "Drive letter (A is the first removable disk):";
        model.helpContext = 131174;
        QString spoken;
        bool help = false;
        WhenModalOpens([&](QWidget* view) {
            auto* edit = FindControl<QLineEdit>(view, CTextDialog::kEditId);
            spoken = edit->accessibleName();
            // The label shows whole, and the Help button stands inside the dialog.
            for (const QLabel* label : view->findChildren<QLabel*>()) {
                QVERIFY2(label->width() >= label->sizeHint().width(), qPrintable(label->text()));
            }
            const QWidget* helpButton = FindControlById(view, CTextDialogView::kHelpButtonId);
            QVERIFY(helpButton != nullptr && view->rect().contains(helpButton->geometry()));
            SaveScreenshot(view, QStringLiteral("drive-prompt"));
            help = FindControl<QPushButton>(view, CTextDialogView::kHelpButtonId) != nullptr;
            FindControl<QPushButton>(view, IDOK)->click();
        });
        QCOMPARE(ui.RunDialog(model), IDOK);
        QCOMPARE(spoken, QStringLiteral("Drive letter (A is the first removable disk):"));
        QVERIFY(help);
    }

    void AStoredTextLongerThanTheLimitIsShownWhole() {
        CQtUi ui;
        const std::string stored = std::string(60, 'c') + " and a stored tail";
        QString shown;
        WhenModalOpens([&shown](QWidget* view) {
            shown = FindControl<QLineEdit>(view, CTextDialog::kEditId)->text();
            FindControl<QPushButton>(view, IDOK)->click();
        });
        QCOMPARE(AskText(ui, "Comment", 60, stored, 0), stored);
        QCOMPARE(shown, QString::fromStdString(stored));
    }

    void LowerCaseModeAndCaptionAndCancel() {
        CQtUi ui;
        CTextDialog model("Comment", 60, "Old", 'L');
        WhenModalOpens([](QWidget* view) {
            QCOMPARE(view->windowTitle(), QStringLiteral("Comment"));
            auto* edit = FindControl<QLineEdit>(view, CTextDialog::kEditId);
            edit->end(false);
            QTest::keyClicks(edit, QStringLiteral(" TEXT|;"));
            QCOMPARE(edit->text(), QStringLiteral("old text"));
            QTest::keyClick(edit, Qt::Key_Escape);
        });
        QCOMPARE(ui.RunDialog(model), IDCANCEL);
        QCOMPARE(AskTextFromUser(ui), std::string());
    }

private:
    // AskText gives an empty text when the user cancels.
    static std::string AskTextFromUser(CQtUi& ui) {
        WhenModalOpens([](QWidget* view) {
            QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("typed"));
            view->close();
        });
        return AskText(ui, "Comment", 60, "", 0);
    }
};

QTEST_MAIN(TextDialogViewTest)
#include "TextDialogViewTest.moc"
