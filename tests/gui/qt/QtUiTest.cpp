// The Qt user interface: message boxes and questions show the ordinary cursor while they wait
// for the user, and the wait cursor comes back afterwards.
#include <QAbstractButton>
#include <QMessageBox>
#include <QtTest>

#include "GuiTestSupport.h"
#include "app/Application.h"
#include "qt/QtUi.h"

namespace {

// Whether the wait cursor is shown over the application.
bool WaitCursorShown() {
    const QCursor* cursor = QApplication::overrideCursor();
    return cursor != nullptr && cursor->shape() == Qt::WaitCursor;
}

// Answers the next message box or question with its first button, noting the cursor it saw.
void AnswerNextBox(bool* waitCursorSeen) {
    WhenModalOpens([waitCursorSeen](QWidget* modal) {
        *waitCursorSeen = WaitCursorShown();
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            box->buttons().front()->click();
        }
    });
}

}  // namespace

class QtUiTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { SetUpApplication(*qApp); }

    void BoxesShowTheOrdinaryCursorWhileWaiting() {
        CQtUi ui;
        {
            CWaitCursor busy(ui);
            QVERIFY(WaitCursorShown());

            bool seenInMessage = true;
            AnswerNextBox(&seenInMessage);
            ui.ShowMessage("Disk full");
            QVERIFY(!seenInMessage);
            QVERIFY(WaitCursorShown());

            bool seenInQuestion = true;
            AnswerNextBox(&seenInQuestion);
            ui.AskYesNo("Replace the file?");
            QVERIFY(!seenInQuestion);
            QVERIFY(WaitCursorShown());
        }
        QVERIFY(QApplication::overrideCursor() == nullptr);
    }
};

QTEST_MAIN(QtUiTest)
#include "QtUiTest.moc"
