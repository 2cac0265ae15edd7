// A studio's whole job through the real windows, with key presses and clicks only: from an
// empty folder with the competition's setup file to a data file made, copied to a disk and
// e-mailed. The files are compared with the ones checked by hand; the next run must show the
// studio's work as it was left.
//
// TAVORIN_WALK_PAUSE_MS slows the walk down to be watched (make demo), TAVORIN_SCREENSHOT_DIR
// keeps a picture of each step, and TAVORIN_WALK_RESULTS_DIR receives the files as compared,
// for checking a changed fixture by hand.
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>
#include <cstdlib>

#include "GuiTestSupport.h"
#include "StudioWalk.h"
#include "WalkDriver.h"
#include "app/Application.h"
#include "qt/QtUi.h"
#include "shell/Startup.h"

namespace {

// The studio's name carries its invoice name, and so do its files' names.
const QString kDataFile =
    QStringLiteral("SpringFestival_Harbor_Lights_Dance_{Harbor_Lights_LLC}.tvr");
const QString kReportFile =
    QStringLiteral("SummaryReport_Harbor_Lights_Dance_{Harbor_Lights_LLC}.txt");
const QString kMailFile = QStringLiteral("mail-arguments.txt");

// The file's lines with what differs from run to run named instead: creation times (written to
// the minute, so their seconds are 0) and the scratch folders. Files for the organizer must end
// every line with CR LF.
QStringList Comparable(const QString& path, const QList<std::pair<QString, QString>>& folders,
                       bool crlf) {
    QString text = QString::fromLatin1(ReadFileBytes(path));
    static const QRegularExpression stamp(
        QStringLiteral("\\b\\d{1,2}\\.\\d{1,2}\\.\\d{4}\\.\\d{1,2}\\.\\d{1,2}\\.0\\b"));
    text.replace(stamp, QStringLiteral("{STAMP}"));
    for (const auto& [folder, name] : folders) {
        text.replace(folder, name);
    }
    if (crlf) {
        const qsizetype bareLineFeeds =
            text.count(QLatin1Char('\n')) - text.count(QStringLiteral("\r\n"));
        if (bareLineFeeds != 0 || !text.endsWith(QStringLiteral("\r\n"))) {
            return {QStringLiteral("<not every line ends with CR LF>")};
        }
        text.remove(QLatin1Char('\r'));
    }
    return text.split(QLatin1Char('\n'));
}

void CompareWithFixture(const QString& path, const QString& fixture, bool crlf,
                        const QList<std::pair<QString, QString>>& folders = {}) {
    const QStringList actual = Comparable(path, folders, crlf);
    const QString results = qEnvironmentVariable("TAVORIN_WALK_RESULTS_DIR");
    if (!results.isEmpty()) {
        QDir().mkpath(results);
        QFile out(results + QLatin1Char('/') + fixture);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(actual.join(QLatin1Char('\n')).toLatin1());
    }
    const QStringList expected =
        QString::fromLatin1(
            ReadFileBytes(QStringLiteral(TAVORIN_SOURCE_DIR "/../tests/fixtures/walk/") + fixture))
            .split(QLatin1Char('\n'));
    for (int line = 0; line < std::min(actual.size(), expected.size()); ++line) {
        QVERIFY2(actual[line] == expected[line],
                 qPrintable(QStringLiteral("%1, line %2:\n  is     %3\n  wanted %4")
                                .arg(fixture)
                                .arg(line + 1)
                                .arg(actual[line], expected[line])));
    }
    QCOMPARE(actual.size(), expected.size());
}

// Starts the program on `folder` with `walk` playing the user, and fails when the walk did.
void RunWalk(CWalkDriver& walk, const QString& folder) {
    CQtUi ui;
    walk.Start();
    RunTavorin(ui, folder.toStdString(), "");
    QVERIFY2(walk.Failure().isEmpty(), qPrintable(walk.Failure()));
    QVERIFY(walk.Done());
}

}  // namespace

class StudioWalkTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { SetUpApplication(*qApp); }

    void TheSixStepsFromAnEmptyFolder() {
        QTemporaryDir dir, drive, bin;
        QVERIFY(dir.isValid() && drive.isValid() && bin.isValid());
        CopyExamples(dir.path(), {"SpringFestival.stu"});
        const QString mailer = bin.filePath(QStringLiteral("mailer"));
        WriteRecordingMailer(mailer, bin.filePath(kMailFile));
        setenv("TAVORIN_DRIVE_A", drive.path().toLocal8Bit().constData(), 1);
        setenv("TAVORIN_MAIL_COMMAND", mailer.toLocal8Bit().constData(), 1);

        const int pause = qEnvironmentVariableIntValue("TAVORIN_WALK_PAUSE_MS");
        const QString pictures = qEnvironmentVariable("TAVORIN_SCREENSHOT_DIR");
        CWalkDriver walk(pause, pictures);
        ScriptSixSteps(walk, drive.path());
        RunWalk(walk, dir.path());
        unsetenv("TAVORIN_DRIVE_A");
        unsetenv("TAVORIN_MAIL_COMMAND");
        if (QTest::currentTestFailed()) {
            return;
        }

        CompareWithFixture(dir.filePath(kDataFile), QStringLiteral("studio.tvr"), true);
        CompareWithFixture(dir.filePath(kReportFile), QStringLiteral("report.txt"), true);
        CompareWithFixture(bin.filePath(kMailFile), QStringLiteral("mail.txt"), false,
                           {{QDir::toNativeSeparators(dir.path() + QLatin1Char('/')),
                             QStringLiteral("{FOLDER}/")}});
        for (const QString& name : {kDataFile, kReportFile}) {
            QVERIFY2(ReadFileBytes(drive.filePath(name)) == ReadFileBytes(dir.filePath(name)),
                     qPrintable(name + QStringLiteral(" differs on the disk")));
        }

        // The next run shows the work as it was left.
        CWalkDriver again(pause, QString());
        CWalkReadBack seen;
        ScriptReadBack(again, &seen);
        RunWalk(again, dir.path());
        QCOMPARE(seen.studio,
                 (QStringList{"Harbor Lights Dance ", "Harbor Lights LLC", "Portland"}));
        QCOMPARE(seen.persons,
                 (QStringList{"Brooks, Peter [6]", "Brooks, Sophie [5]", "Hughes, Tom [3]",
                              "Liu, Grace [4]", "Petrova, Nadia [2]", "Rossi, Marco [1]"}));
        QCOMPARE(seen.roommates, QStringList{"Rossi, Marco"});
        QCOMPARE(seen.comments, (QStringList{"Arrives Friday evening", "Needs a quiet room"}));
        QCOMPARE(seen.purchases,
                 (QStringList{"Brooks, Peter - Saturday Evening Gala - Dinner and Show (1)",
                              "Rossi, Marco - Full Weekend Package with Hotel - Double Room (1)",
                              "Studio - Souvenir Program Book (1)"}));
        // The file keeps no form codes: the two pro/am forms of one couple, level and age come
        // back as one form of four dances.
        QCOMPARE(
            seen.forms,
            (QStringList{
                "Formation Team Match, Adult Teams, Open",
                "American Rhythm - Multi-Dance Championship, Adult, Bronze, with Tom Hughes "
                "and Grace Liu",
                "International Latin - Single Dances, Adult, Silver, with Tom Hughes and "
                "Grace Liu",
                "American Smooth - Single Dances, Adult, Bronze, with Marco Rossi and Grace Liu",
                "International Standard Scholarship, Adult, Championship, with Marco Rossi and "
                "Nadia Petrova"}));
    }
};

QTEST_MAIN(StudioWalkTest)
#include "StudioWalkTest.moc"
