// "Studio or mailing address data" on screen: the labels, the name checks with their messages
// while the dialog stays open, the fixed names of a stored studio, and refused separators.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "GuiTestSupport.h"
#include "app/Application.h"
#include "data/Records.h"
#include "qt/ControlNames.h"
#include "qt/QtUi.h"
#include "studio/StudioDialog.h"

namespace {

void Type(QWidget* view, int id, const QString& text) {
    auto* edit = FindControl<QLineEdit>(view, id);
    QVERIFY(edit != nullptr);
    edit->clear();
    QTest::keyClicks(edit, text);
}

}  // namespace

class StudioDialogViewTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { SetUpApplication(*qApp); }

    void ShowsEveryLabelBesideItsField() {
        CQtUi ui;
        CStudioRecord record;
        CStudioDialog model(ui, record);
        WhenModalOpens([](QWidget* view) {
            QCOMPARE(view->windowTitle(), QStringLiteral("Studio or mailing address data"));
            for (const auto& field : CStudioDialog::Fields()) {
                QWidget* edit = FindControlById(view, field.id);
                QVERIFY2(edit != nullptr, field.label);
                QCOMPARE(edit->accessibleName(), QString::fromLatin1(field.label));
                QVERIFY(edit->isEnabled());
            }
            auto* box = FindControl<QCheckBox>(view, CStudioDialog::kIndependentId);
            QCOMPARE(box->text(), QStringLiteral("Check this box if independent person or couple"));
            auto* hint = view->findChild<QLabel*>(QStringLiteral("countryHint"));
            QCOMPARE(hint->text(), QStringLiteral("**Do not enter country if from USA"));
            QCOMPARE(FindControl<QPushButton>(view, 1000)->text(), QStringLiteral("OK"));
            QCOMPARE(FindControl<QPushButton>(view, 2)->text(), QStringLiteral("Cancel"));
            QCOMPARE(FindControl<QPushButton>(view, 1021)->text(), QStringLiteral("Help"));
            // Every label shows whole: none is cut by the layout.
            for (const QLabel* label : view->findChildren<QLabel*>()) {
                QVERIFY2(label->sizeHint().height() <= label->height() ||
                             label->heightForWidth(label->width()) <= label->height(),
                         qPrintable(label->text()));
            }
            // Copy from... stands first among the buttons, and Tab reaches it there.
            QCOMPARE(FindControlById(view, CStudioDialog::kCopyFromId)->accessibleName(),
                     QStringLiteral("Copy from..."));
            QWidget* email = FindControlById(view, CStudioDialog::kEmailId);
            email->setFocus();
            QTest::keyClick(email, Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(),
                     FindControlById(view, CStudioDialog::kCopyFromId));
            SaveScreenshot(view, QStringLiteral("studio-dialog"));
            view->close();
        });
        QCOMPARE(ui.RunDialog(model), IDCANCEL);
    }

    void NameChecksKeepTheDialogOpen() {
        CQtUi ui;
        CStudioRecord record;
        CStudioDialog model(ui, record);
        QStringList messages;
        bool stillOpen = true;
        WhenModalOpens([&](QWidget* view) {
            // Enter on the box ticks it and moves on, as everywhere in the program's dialogs.
            QWidget* box = FindControlById(view, CStudioDialog::kIndependentId);
            box->setFocus();
            QTest::keyClick(box, Qt::Key_Return);
            QVERIFY(!box->hasFocus());
            auto* ok = FindControl<QPushButton>(view, CStudioDialog::kOkId);
            const auto pressOk = [&](QString* message) {
                CloseNextMessageBox(message);
                ok->click();
                stillOpen = stillOpen && view->isVisible();
            };
            QString message;
            pressOk(&message);
            messages << message;
            Type(view, CStudioDialog::kNameId, QStringLiteral("Star Dance"));
            Type(view, CStudioDialog::kNameAgainId, QStringLiteral("star dance"));
            pressOk(&message);
            messages << message;
            Type(view, CStudioDialog::kNameAgainId, QStringLiteral("Star Dance"));
            Type(view, CStudioDialog::kInvoiceNameAgainId, QStringLiteral("J. Smith"));
            pressOk(&message);
            messages << message;
            Type(view, CStudioDialog::kInvoiceNameId, QStringLiteral("J. Smith"));
            Type(view, CStudioDialog::kCityId, QStringLiteral("Spring|field;"));
            ok->click();
        });
        QCOMPARE(ui.RunDialog(model), IDOK);
        QVERIFY(stillOpen);
        QCOMPARE(messages, (QStringList{QStringLiteral("No studio name."),
                                        QStringLiteral("Check spelling of studio name."),
                                        QStringLiteral("Check spelling of name for invoice.")}));
        QCOMPARE(QString::fromStdString(record.name), QStringLiteral("Star Dance <J. Smith>"));
        QCOMPARE(QString::fromStdString(record.city), QStringLiteral("Springfield"));
        QCOMPARE(record.kind, 'I');
    }

    // A new studio typed through with Enter after every field: Enter passes "Copy from..." by
    // and reaches OK, and Enter there saves the studio.
    void EnterWalksANewStudioToOk() {
        CQtUi ui;
        CStudioRecord record;
        CStudioDialog model(ui, record);
        QList<int> visited;
        bool reachedOk = false;
        WhenModalOpens([&](QWidget* view) {
            QWidget* copyFrom = FindControlById(view, CStudioDialog::kCopyFromId);
            QWidget* ok = FindControlById(view, CStudioDialog::kOkId);
            FindControlById(view, CStudioDialog::kNameId)->setFocus();
            for (int step = 0; step < 20; ++step) {
                QWidget* focus = QApplication::focusWidget();
                if (focus == ok || focus == copyFrom) {
                    break;
                }
                visited << focus->property("controlId").toInt();
                const int id = focus->property("controlId").toInt();
                if (id == CStudioDialog::kNameId || id == CStudioDialog::kNameAgainId) {
                    QTest::keyClicks(focus, QStringLiteral("Star Dance"));
                }
                QTest::keyClick(focus, Qt::Key_Return);
            }
            reachedOk = QApplication::focusWidget() == ok;
            SaveScreenshot(view, QStringLiteral("studio-dialog-enter-at-ok"));
            if (reachedOk) {
                QTest::keyClick(ok, Qt::Key_Return);
            } else {
                view->close();
            }
        });
        const int result = ui.RunDialog(model);
        QVERIFY2(reachedOk, "Enter stopped at Copy from... or never reached OK");
        QCOMPARE(result, IDOK);
        QVERIFY(visited.contains(CStudioDialog::kEmailId));
        QCOMPARE(QString::fromStdString(record.name), QStringLiteral("Star Dance"));
    }

    void AStoredNameIsShownFixed() {
        CQtUi ui;
        CStudioRecord record;
        record.name = "Star Dance <J. Smith>";
        record.kind = 'I';
        CStudioDialog model(ui, record);
        WhenModalOpens([](QWidget* view) {
            for (const int id :
                 {CStudioDialog::kNameId, CStudioDialog::kNameAgainId,
                  CStudioDialog::kInvoiceNameId, CStudioDialog::kInvoiceNameAgainId}) {
                QVERIFY(!FindControlById(view, id)->isEnabled());
            }
            QCOMPARE(FindControl<QLineEdit>(view, CStudioDialog::kNameId)->text(),
                     QStringLiteral("Star Dance "));
            QCOMPARE(FindControl<QLineEdit>(view, CStudioDialog::kInvoiceNameId)->text(),
                     QStringLiteral("J. Smith"));
            auto* box = FindControl<QCheckBox>(view, CStudioDialog::kIndependentId);
            QVERIFY(box->isChecked());
            box->setChecked(false);
            SaveScreenshot(view, QStringLiteral("studio-dialog-stored"));
            FindControl<QPushButton>(view, CStudioDialog::kOkId)->click();
        });
        QCOMPARE(ui.RunDialog(model), IDOK);
        QCOMPARE(record.kind, 'M');
        QCOMPARE(QString::fromStdString(record.name), QStringLiteral("Star Dance <J. Smith>"));
    }
};

QTEST_MAIN(StudioDialogViewTest)
#include "StudioDialogViewTest.moc"
