// File paths between Qt and the core: a competition kept in a folder whose name has letters
// outside the Western code page ("Łódź Tänze") is read by the core from the path a file dialog
// gives, and comes back to Qt as it was, also through the settings (the registry on Windows).
#include <QDir>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include "GuiTestSupport.h"
#include "app/Application.h"
#include "qt/QtPath.h"
#include "qt/QtUi.h"
#include "util/Files.h"

class QtPathTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { SetUpApplication(*qApp); }

    void AFolderBeyondTheCodePageReachesTheCoreAndComesBack() {
        QTemporaryDir top;
        QVERIFY(top.isValid());
        const QString folder = top.filePath(QStringLiteral("Łódź Tänze"));
        QVERIFY(QDir().mkpath(folder));
        WriteSpringSetup(folder);
        const QString setup = folder + QStringLiteral("/Spring.stu");

        const std::string corePath = PathFromQt(setup);
        QCOMPARE(QString::fromStdString(ReadFirstLine(corePath)),
                 QStringLiteral("stu|1|Spring Open|org@example.org|S|S|S|1\n"));
        // Back with the system's separators, as the user knows the paths.
        QCOMPARE(PathToQt(DirectoryOf(corePath)), QDir::toNativeSeparators(folder));
        QCOMPARE(PathToQt(corePath), QDir::toNativeSeparators(setup));

        // The list of recent competitions keeps the path whole; what was kept before comes back.
        const QVariant before = QSettings().value(QStringLiteral("recentCompetitions"));
        CQtUi ui;
        ui.KeepRecentCompetitions(
            {corePath, PathFromQt(top.filePath(QStringLiteral("Spring.stu")))});
        const std::vector<std::string> recent = ui.RecentCompetitions();
        if (before.isValid()) {
            QSettings().setValue(QStringLiteral("recentCompetitions"), before);
        } else {
            QSettings().remove(QStringLiteral("recentCompetitions"));
        }
        QCOMPARE(recent.size(), std::size_t{2});
        QCOMPARE(recent.front(), corePath);
        QCOMPARE(ReadFirstLine(recent.front()), ReadFirstLine(corePath));
    }
};

QTEST_MAIN(QtPathTest)
#include "QtPathTest.moc"
