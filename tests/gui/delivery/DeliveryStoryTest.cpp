// Step (6) on screen, as a studio meets it: the data file with its instructions, the disk made
// on drive A, the message handed to the e-mail program, and no e-mail program at all. Each
// button says where the files are, and they are there.
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>
#include <cstdlib>

#include "GuiTestSupport.h"
#include "app/Application.h"
#include "qt/ControlNames.h"
#include "qt/QtUi.h"
#include "report/ReportWindow.h"
#include "shell/MainDialog.h"
#include "shell/Startup.h"

namespace {

void Answer(QWidget* modal, QMessageBox::StandardButton answer) {
    auto* box = qobject_cast<QMessageBox*>(modal);
    QVERIFY(box != nullptr);
    box->button(answer)->click();
}

// Says No to the review question, then lets `next` play the window that follows.
void NoReviewThen(std::function<void(QWidget*)> next) {
    WhenModalOpens([next](QWidget* question) {
        QCOMPARE(qobject_cast<QMessageBox*>(question)->text(),
                 QStringLiteral("Would you like to review your data and check to make sure it "
                                "is correct?"));
        WhenModalOpens(next);
        Answer(question, QMessageBox::No);
    });
}

// Keeps the text of the message box and a picture of it, then closes it.
std::function<void(QWidget*)> ReadMessage(QString* text, const QString& picture) {
    return [text, picture](QWidget* modal) {
        SaveScreenshot(modal, picture);
        auto* box = qobject_cast<QMessageBox*>(modal);
        *text = box != nullptr ? box->text() : QStringLiteral("<not a message box>");
        modal->close();
    };
}

}  // namespace

class DeliveryStoryTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { SetUpApplication(*qApp); }

    void EachWayOfDeliveringSaysWhereTheFilesAre() {
        QTemporaryDir dir, drive, bin;
        QVERIFY(dir.isValid() && drive.isValid() && bin.isValid());
        WriteSpringSetup(dir.path());
        QFile studio(dir.filePath(QStringLiteral("Spring_Star_Dance.tvr")));
        QVERIFY(studio.open(QIODevice::WriteOnly));
        studio.write("ST|Star Dance||||||||||||M|3.27.2002.14.5.0|\r\n");
        studio.close();
        const QString stale = drive.filePath(QStringLiteral("last_year.tvr"));
        QFile old(stale);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.close();
        const QString mailer = bin.filePath(QStringLiteral("mailer"));
        const QString recorded = bin.filePath(QStringLiteral("arguments"));
        WriteRecordingMailer(mailer, recorded);
        setenv("TAVORIN_DRIVE_A", drive.path().toLocal8Bit().constData(), 1);
        setenv("TAVORIN_MAIL_COMMAND", mailer.toLocal8Bit().constData(), 1);

        // As the messages name them: with the system's separators.
        const QString dataFile =
            QDir::toNativeSeparators(dir.filePath(QStringLiteral("Spring_Star_Dance.tvr")));
        const QString reportFile =
            QDir::toNativeSeparators(dir.filePath(QStringLiteral("SummaryReport_Star_Dance.txt")));
        QString instructions, instructionsCaption, diskQuestion, diskMessage, mailMessage,
            noMailMessage;
        QMessageBox::Icon diskIcon = QMessageBox::NoIcon;
        QString folderButton;
        CQtUi ui;
        WhenModalOpens([&](QWidget* main) {
            SaveScreenshot(main, QStringLiteral("delivery-main"));
            NoReviewThen([&](QWidget* window) {
                SaveScreenshot(window, QStringLiteral("delivery-instructions"));
                instructionsCaption = window->windowTitle();
                auto* folder = FindControl<QPushButton>(window, CReportWindow::kOpenFolderId);
                folderButton = folder != nullptr ? folder->accessibleName() : QString();
                instructions =
                    FindControl<QPlainTextEdit>(window, CReportWindow::kTextId)->toPlainText();
                window->close();
            });
            ClickControl(main, CMainDialog::kDataFileId);

            NoReviewThen([&](QWidget* letter) {
                SaveScreenshot(letter, QStringLiteral("delivery-drive"));
                // Last year's file is no file of this step's: it goes only when the user says so.
                WhenModalOpens([&](QWidget* question) {
                    SaveScreenshot(question, QStringLiteral("delivery-disk-question"));
                    diskQuestion = qobject_cast<QMessageBox*>(question)->text();
                    WhenModalOpens([&](QWidget* done) {
                        diskIcon = qobject_cast<QMessageBox*>(done)->icon();
                        ReadMessage(&diskMessage, QStringLiteral("delivery-disk-done"))(done);
                    });
                    Answer(question, QMessageBox::Yes);
                });
                ClickControl(letter, IDOK);  // "A" as offered
            });
            ClickControl(main, CMainDialog::kDisketteId);

            NoReviewThen(ReadMessage(&mailMessage, QStringLiteral("delivery-mail-done")));
            ClickControl(main, CMainDialog::kEmailId);

            setenv("TAVORIN_MAIL_COMMAND", bin.filePath(QStringLiteral("gone")).toLocal8Bit(), 1);
            NoReviewThen(ReadMessage(&noMailMessage, QStringLiteral("delivery-no-mail")));
            ClickControl(main, CMainDialog::kEmailId);
            ClickControl(main, CMainDialog::kOkId);
        });
        RunTavorin(ui, dir.path().toStdString(), "");
        unsetenv("TAVORIN_DRIVE_A");
        unsetenv("TAVORIN_MAIL_COMMAND");

        QCOMPARE(instructionsCaption, QStringLiteral("Instructions"));
        QCOMPARE(folderButton, QStringLiteral("Open folder"));
        QVERIFY2(instructions.contains(QStringLiteral("The data file is: ") + dataFile),
                 qPrintable(instructions));
        QVERIFY(instructions.contains(QStringLiteral("The report file is: ") + reportFile));
        QVERIFY(ReadFileBytes(reportFile).contains("Star Dance"));

        QVERIFY2(diskMessage.startsWith(QStringLiteral("The data file and the summary report are "
                                                       "on drive A: (") +
                                        drive.path()),
                 qPrintable(diskMessage));
        QCOMPARE(diskQuestion, QStringLiteral("Drive A: (") + drive.path() +
                                   QStringLiteral(") holds 1 file: last_year.tvr. Delete it "
                                                  "before copying?"));
        QVERIFY(diskMessage.contains(
            QStringLiteral("\nDeleted from the disk first: last_year.tvr.\n")));
        QCOMPARE(diskIcon, QMessageBox::Information);
        QVERIFY(!QFile::exists(stale));
        QCOMPARE(QDir(drive.path()).entryList(QDir::Files),
                 (QStringList{QStringLiteral("Spring_Star_Dance.tvr"),
                              QStringLiteral("SummaryReport_Star_Dance.txt")}));
        QCOMPARE(ReadFileBytes(drive.filePath(QStringLiteral("Spring_Star_Dance.tvr"))),
                 ReadFileBytes(dataFile));

        QCOMPARE(mailMessage, QStringLiteral("Your email program was accessed successfully.\nIf "
                                             "you clicked 'Send' the message was put in out box."));
        const QByteArray arguments = ReadFileBytes(recorded);
        QVERIFY(arguments.contains("Entries and purchases for Star Dance\n"));
        QVERIFY(arguments.contains("--attach\n" + dataFile.toLocal8Bit() + "\norg@example.org\n"));

        QVERIFY2(noMailMessage.startsWith(QStringLiteral("No e-mail program was found")),
                 qPrintable(noMailMessage));
        QVERIFY(noMailMessage.contains(QStringLiteral("The data file is: ") + dataFile));
        QVERIFY(noMailMessage.contains(QStringLiteral("The report file is: ") + reportFile));
    }
};

QTEST_MAIN(DeliveryStoryTest)
#include "DeliveryStoryTest.moc"
