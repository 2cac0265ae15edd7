// The Qt user interface: message boxes and questions show the ordinary cursor while they wait
// for the user, and the wait cursor comes back afterwards.
#include <QAbstractButton>
#include <QMessageBox>
#include <QProgressDialog>
#include <QtTest>
#include <chrono>
#include <thread>

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

    // Long work (a mail program coming up, a large file read) runs off the screen's thread: the
    // program goes on handling its events, shows the wait cursor, and after a quarter of a
    // second a window that says what it is waiting for.
    void BusyWorkLeavesTheWindowAliveAndSaysWhatItWaitsFor() {
        CQtUi ui;
        bool eventsHandled = false;
        QString shownText;
        bool waitCursorMeanwhile = false;
        QTimer::singleShot(0, [&] { eventsHandled = true; });
        QTimer::singleShot(400, [&] {
            waitCursorMeanwhile = WaitCursorShown();
            if (auto* progress =
                    qobject_cast<QProgressDialog*>(QApplication::activeModalWidget())) {
                shownText = progress->labelText();
                SaveScreenshot(progress, QStringLiteral("busy-progress"));
            }
        });
        std::thread::id workThread;
        ui.RunBusy("Reading Spring_Star.tvr...", [&] {
            workThread = std::this_thread::get_id();
            CWaitCursor inside(ui);  // as the file reader takes it
            std::this_thread::sleep_for(std::chrono::milliseconds(700));
        });
        QVERIFY(eventsHandled);
        QVERIFY(waitCursorMeanwhile);
        QCOMPARE(shownText, QStringLiteral("Reading Spring_Star.tvr..."));
        QVERIFY(workThread != std::this_thread::get_id());
        QVERIFY(QApplication::overrideCursor() == nullptr);
        QVERIFY(QApplication::activeModalWidget() == nullptr);
    }
};

QTEST_MAIN(QtUiTest)
#include "QtUiTest.moc"
