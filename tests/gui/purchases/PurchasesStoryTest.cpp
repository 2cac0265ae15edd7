// Step (3) on screen, on the sample competition: a youth dancer found by typing buys two gala
// tickets (double clicks) and a day pass (keyboard); the saved file holds her purchases at the
// youth prices, and the next run lists them.
#include <QAbstractItemView>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include "GuiTestSupport.h"
#include "app/Application.h"
#include "purchases/PurchaseDialog.h"
#include "purchases/PurchaseListDialog.h"
#include "qt/ControlNames.h"
#include "qt/QtUi.h"
#include "shell/MainDialog.h"
#include "shell/Startup.h"

namespace {

using Dialog = CPurchaseDialog;

QPoint CentreOf(QListWidget* list, const QString& text) {
    const auto found = list->findItems(text, Qt::MatchExactly);
    return found.isEmpty() ? QPoint(-1, -1) : list->visualItemRect(found.front()).center();
}

// Every purchase line of the data file, cut after the item name.
QStringList PurchaseLines(const QString& path) {
    QFile file(path);
    QStringList lines;
    if (file.open(QIODevice::ReadOnly)) {
        for (const QByteArray& line : file.readAll().split('\n')) {
            if (line.startsWith("PU|")) {
                lines << QString::fromLatin1(line).section(QLatin1Char('|'), 0, 6);
            }
        }
    }
    return lines;
}

// Every control has room for its text: nothing cut off.
void CheckTextsFit(QWidget* dialog) {
    for (auto* button : dialog->findChildren<QPushButton*>()) {
        QVERIFY2(button->fontMetrics().horizontalAdvance(button->text()) < button->width(),
                 qPrintable(button->text()));
    }
}

}  // namespace

class PurchasesStoryTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { SetUpApplication(*qApp); }

    void AYouthDancerBuysWithMouseAndKeyboard() {
        QTemporaryDir dir;
        CopyExamples(dir.path(), {"SpringFestival.stu", "SpringFestival_Starlight_Ballroom.tvr"});
        const QString dataFile =
            dir.filePath(QStringLiteral("SpringFestival_Starlight_Ballroom.tvr"));
        const QStringList before = PurchaseLines(dataFile);
        QCOMPARE(before.size(), 5);
        CQtUi ui;
        QString warning;
        QStringList listed;

        WhenModalOpens([&](QWidget* main) {
            WhenModalOpens([&](QWidget* list) {
                WhenModalOpens([&](QWidget* dialog) {
                    QCOMPARE(dialog->windowTitle(),
                             QStringLiteral("Purchase/Select from price list"));
                    CheckTextsFit(dialog);
                    QVERIFY(!ListLines(dialog, Dialog::kPriceListId)
                                 .contains(
                                     QStringLiteral("Price list: Judges and Staff Meal Voucher")));
                    auto* box = FindControl<QComboBox>(dialog, Dialog::kPurchaserId);
                    box->setFocus();
                    QTest::keyClicks(box, QStringLiteral("ch"));
                    QCOMPARE(box->currentText(), QStringLiteral("CH"));
                    QVERIFY(box->view()->isVisible());
                    box->hidePopup();
                    // Two letters are no choice: OK warns, and Yes goes back to the dialog.
                    WhenModalOpens([&](QWidget* question) {
                        auto* message = qobject_cast<QMessageBox*>(question);
                        QVERIFY(message != nullptr);
                        SaveScreenshot(message, QStringLiteral("purchase-warning"));
                        warning = message->text();
                        message->button(QMessageBox::Yes)->click();
                    });
                    ClickControl(dialog, Dialog::kOkId);
                    QVERIFY(dialog->isVisible());
                    // Back in the dialog, the purchaser box is where the keys go.
                    QVERIFY(dialog->focusWidget() == box ||
                            dialog->focusWidget() == box->lineEdit());

                    // The name chosen from the drop-down with the mouse.
                    box->lineEdit()->selectAll();
                    QTest::keyClicks(box, QStringLiteral("ch"));
                    QCOMPARE(box->currentText(), QStringLiteral("CH"));
                    ClickDropDownLine(box, QStringLiteral("Chen, Emily"));
                    QCOMPARE(box->currentText(), QStringLiteral("Chen, Emily"));
                    QVERIFY(!box->view()->isVisible());

                    // Letters that begin no name after Chen was chosen: nothing is marked, Enter
                    // books nobody and keeps the letters, and OK warns again.
                    box->lineEdit()->selectAll();
                    QTest::keyClicks(box, QStringLiteral("chx"));
                    QVERIFY(box->view()->isVisible());
                    QVERIFY(!box->view()->currentIndex().isValid());
                    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
                    QVERIFY(!box->view()->isVisible());
                    QCOMPARE(box->currentText(), QStringLiteral("CHX"));
                    QString again;
                    WhenModalOpens([&again](QWidget* question) {
                        auto* message = qobject_cast<QMessageBox*>(question);
                        QVERIFY(message != nullptr);
                        again = message->text();
                        message->button(QMessageBox::Yes)->click();
                    });
                    ClickControl(dialog, Dialog::kOkId);
                    QCOMPARE(again, warning);
                    QVERIFY(dialog->isVisible());
                    box->lineEdit()->selectAll();
                    QTest::keyClicks(box, QStringLiteral("ch"));
                    ClickDropDownLine(box, QStringLiteral("Chen, Emily"));
                    QCOMPARE(box->currentText(), QStringLiteral("Chen, Emily"));

                    // A gala ticket chosen by a click and the arrow button, another by a
                    // double click; a day pass by keyboard.
                    auto* priceList = FindControl<QListWidget>(dialog, Dialog::kPriceListId);
                    const QString gala =
                        QStringLiteral("Price list: Saturday Evening Gala - Dinner and Show");
                    QTest::mouseClick(priceList->viewport(), Qt::LeftButton, {},
                                      CentreOf(priceList, gala));
                    QVERIFY(priceList->currentItem() != nullptr &&
                            priceList->currentItem()->text() == gala);
                    QTest::mouseClick(FindControl<QPushButton>(dialog, Dialog::kPutItemId),
                                      Qt::LeftButton);
                    // A double click as the platform delivers it: a click, then the second press.
                    QTest::mouseClick(priceList->viewport(), Qt::LeftButton, {},
                                      CentreOf(priceList, gala));
                    QTest::mouseDClick(priceList->viewport(), Qt::LeftButton, {},
                                       CentreOf(priceList, gala));
                    priceList->setFocus();
                    QTRY_VERIFY(QApplication::focusWidget() == priceList);
                    QTest::keyClick(priceList, Qt::Key_Home);
                    QTest::keyClick(priceList, Qt::Key_Tab);
                    QCOMPARE(QApplication::focusWidget(),
                             FindControlById(dialog, Dialog::kPutItemId));
                    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
                    QCOMPARE(ListLines(dialog, Dialog::kSelectedItemsId),
                             (QStringList{QStringLiteral("(2) ") + gala,
                                          QStringLiteral("(1) Price list: Friday Day Pass")}));
                    // Her youth prices stand beside the lines, and the total under them.
                    QCOMPARE(priceList->findItems(gala, Qt::MatchExactly)
                                 .front()
                                 ->data(Qt::AccessibleDescriptionRole)
                                 .toString(),
                             QStringLiteral("75.00"));
                    auto* total = dialog->findChild<QLabel*>(QStringLiteral("purchaseTotal"));
                    QVERIFY(total != nullptr && total->isVisible());
                    QCOMPARE(total->text(), QStringLiteral("Total: 170.00"));
                    SaveScreenshot(dialog, QStringLiteral("purchase-dialog"));
                    // Escape would lose the items: the dialog asks, and No keeps it open.
                    QString discard;
                    WhenModalOpens([&](QWidget* question) {
                        auto* message = qobject_cast<QMessageBox*>(question);
                        QVERIFY(message != nullptr);
                        discard = message->text();
                        message->button(QMessageBox::No)->click();
                    });
                    QTest::keyClick(dialog, Qt::Key_Escape);
                    QCOMPARE(discard, QStringLiteral("Discard your changes?"));
                    QVERIFY(dialog->isVisible());
                    ClickControl(dialog, Dialog::kOkId);
                });
                ClickControl(list, CPurchaseListDialog::kAddId);
                listed = ListLines(list, CPurchaseListDialog::kListId);
                SaveScreenshot(list, QStringLiteral("purchase-list"));
                ClickControl(list, CPurchaseListDialog::kOkId);
            });
            ClickControl(main, CMainDialog::kPurchasesId);
            ClickControl(main, CMainDialog::kOkId);
        });
        RunTavorin(ui, dir.path().toStdString(), "");

        QCOMPARE(warning, QString::fromLatin1(Dialog::kNoPurchaserQuestion));
        QVERIFY2(listed.contains(QStringLiteral("Chen, Emily - Friday Day Pass (1)")),
                 qPrintable(listed.join(QLatin1Char('\n'))));
        QVERIFY(listed.contains(
            QStringLiteral("Chen, Emily - Saturday Evening Gala - Dinner and Show (2)")));
        QVERIFY(listed.contains(QStringLiteral("Studio - Souvenir Program Book (3)")));
        // Youth prices: 75 for the gala instead of 95, 20 for the pass instead of 35.
        const QStringList bought = {
            QStringLiteral("PU|O|4|2|75.00|Emily Chen|Saturday Evening Gala - Dinner and Show"),
            QStringLiteral("PU|O|1|1|20.00|Emily Chen|Friday Day Pass")};
        QCOMPARE(PurchaseLines(dataFile), before + bought);
    }
};

QTEST_MAIN(PurchasesStoryTest)
#include "PurchasesStoryTest.moc"
