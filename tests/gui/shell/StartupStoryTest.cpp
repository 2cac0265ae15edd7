// A new user's first two runs, on screen: the program asks for the studio, the main window
// opens, step (1) changes the address, the user exits; the next run reopens the studio.
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include "GuiTestSupport.h"
#include "app/Application.h"
#include "qt/ControlNames.h"
#include "qt/QtUi.h"
#include "shell/MainDialog.h"
#include "shell/Startup.h"
#include "studio/StudioDialog.h"

class StartupStoryTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { SetUpApplication(*qApp); }

    void CreateEditQuitAndReopen() {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        WriteSpringSetup(dir.path());
        CQtUi ui;

        // First run: the studio dialog comes first, then the main window.
        QString mainTitle;
        WhenModalOpens([&](QWidget* studio) {
            QCOMPARE(studio->windowTitle(), QStringLiteral("Studio or mailing address data"));
            TypeInField(studio, CStudioDialog::kNameId, QStringLiteral("Star Dance"));
            TypeInField(studio, CStudioDialog::kNameAgainId, QStringLiteral("Star Dance"));
            TypeInField(studio, CStudioDialog::kCityId, QStringLiteral("Springfield"));
            WhenModalOpens([&](QWidget* main) {
                mainTitle = main->windowTitle();
                WhenModalOpens([](QWidget* again) {
                    TypeInField(again, CStudioDialog::kCityId, QStringLiteral("Shelbyville"));
                    ClickControl(again, CStudioDialog::kOkId);
                });
                ClickControl(main, CMainDialog::kStudioId);
                ClickControl(main, CMainDialog::kOkId);
            });
            ClickControl(studio, CStudioDialog::kOkId);
        });
        RunTavorin(ui, dir.path().toStdString(), "");
        QCOMPARE(mainTitle, QStringLiteral("Data for Spring Open - Star Dance"));
        QFile data(dir.filePath(QStringLiteral("Spring_Star_Dance.tvr")));
        QVERIFY(data.open(QIODevice::ReadOnly));
        QVERIFY(data.readAll().contains("|Shelbyville|"));
        data.close();

        // Second run: straight to the main window, and step (1) shows the stored studio.
        QString name;
        QString city;
        bool nameLocked = false;
        WhenModalOpens([&](QWidget* main) {
            WhenModalOpens([&](QWidget* studio) {
                name = FindControl<QLineEdit>(studio, CStudioDialog::kNameId)->text();
                nameLocked = !FindControlById(studio, CStudioDialog::kNameId)->isEnabled();
                city = FindControl<QLineEdit>(studio, CStudioDialog::kCityId)->text();
                studio->close();
            });
            ClickControl(main, CMainDialog::kStudioId);
            ClickControl(main, CMainDialog::kOkId);
        });
        RunTavorin(ui, dir.path().toStdString(), "");
        QCOMPARE(name, QStringLiteral("Star Dance"));
        QVERIFY(nameLocked);
        QCOMPARE(city, QStringLiteral("Shelbyville"));
    }
};

QTEST_MAIN(StartupStoryTest)
#include "StartupStoryTest.moc"
