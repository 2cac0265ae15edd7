// The main window's menu bar on screen: every command reached by keys, the steps enabled as their
// buttons, F1 for the contents, and another competition opened from Open recent, after which
// the recent list and the window's place are kept in the settings (never the user's own here).
#include <QAction>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QtTest>

#include "GuiTestSupport.h"
#include "app/Application.h"
#include "qt/HelpWindow.h"
#include "qt/QtUi.h"
#include "shell/MainDialog.h"
#include "shell/MainDialogView.h"
#include "shell/SaveAndClear.h"
#include "shell/Startup.h"
#include "studio/StudioDialog.h"

namespace {

QAction* CommandAction(const QWidget* view, int command) {
    return view->findChild<QAction*>(QStringLiteral("menuCommand%1").arg(command));
}

// The window with its open menu drawn where the menu stands, as a user sees it.
void SaveScreenshotWithMenu(QWidget* window, QMenu* menu, const QString& name) {
    QPixmap shot = window->grab();
    QPainter painter(&shot);
    painter.drawPixmap(menu->mapToGlobal(QPoint(0, 0)) - window->mapToGlobal(QPoint(0, 0)),
                       menu->grab());
    painter.end();
    SavePicture(shot, name);
}

}  // namespace

// Takes the URLs that would go to the file manager.
class CUrlCatcher : public QObject {
    Q_OBJECT
public slots:
    void Open(const QUrl& url) { urls << url; }

public:
    QList<QUrl> urls;
};

class MainMenuViewTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY(settings_.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings_.path());
        SetUpApplication(*qApp);
        QVERIFY(dir_.isValid());
        springPath_ = dir_.filePath(QStringLiteral("Spring.stu"));
        WriteSpringSetup(dir_.path());
        WriteFileBytes(dir_.filePath(QStringLiteral("Spring_Star_Dance.tvr")),
                       "ST|Star Dance||||||||||||M|3.27.2002.14.5.0|\r\n");
    }

    void KeysOpenTheStepsTheHelpAndTheFolder() {
        CQtUi ui;
        CMainDialog model(ui, springPath_.toStdString());
        QVERIFY(model.Initialize());
        CMainDialogView view(model, ui, nullptr);
        view.show();
        QVERIFY(QTest::qWaitForWindowActive(&view));
        QCOMPARE(view.windowTitle(), QStringLiteral("Data for Spring Open - Star Dance"));

        QStringList titles;
        for (QAction* menu : view.MenuBar()->actions()) {
            titles << menu->text();
        }
        QCOMPARE(titles, (QStringList{QStringLiteral("&File"), QStringLiteral("&Steps"),
                                      QStringLiteral("&Help")}));
        // Each step's line is enabled as its button is, with its key.
        const std::pair<int, const char*> steps[] = {
            {CMainDialog::kStudioId, "Ctrl+1"},    {CMainDialog::kPersonsId, "Ctrl+2"},
            {CMainDialog::kPurchasesId, "Ctrl+3"}, {CMainDialog::kEntriesId, "Ctrl+4"},
            {CMainDialog::kReportId, "Ctrl+5"},    {CMainDialog::kDisketteId, ""},
            {CMainDialog::kEmailId, ""},           {CMainDialog::kDataFileId, "Ctrl+6"}};
        for (const auto& [id, key] : steps) {
            QAction* action = CommandAction(&view, id);
            QVERIFY2(action != nullptr, key);
            QCOMPARE(action->isEnabled(), FindControlById(&view, id)->isEnabled());
            QCOMPARE(action->shortcut(), QKeySequence(QString::fromLatin1(key)));
            QVERIFY(action->text().contains(QLatin1Char('&')));
        }

        // Alt+F opens the File menu; a picture of it for the README.
        QTest::keyClick(&view, Qt::Key_F, Qt::AltModifier);
        auto* file = view.findChild<QMenu*>(QStringLiteral("fileMenu"));
        QTRY_VERIFY(file->isVisible());
        QTest::qWait(50);
        SaveScreenshotWithMenu(&view, file, QStringLiteral("main-dialog-file-menu"));
        QTest::keyClick(file, Qt::Key_Escape);
        GiveBackActivation(&view);
        SaveScreenshot(&view, QStringLiteral("main-dialog-menu-bar"));

        // Ctrl+1 opens step 1.
        QString opened;
        WhenModalOpens([&opened](QWidget* studio) {
            opened = studio->windowTitle();
            ClickControl(studio, CStudioDialog::kCancelId);
        });
        QTest::keyClick(&view, Qt::Key_1, Qt::ControlModifier);
        QTRY_COMPARE(opened, QStringLiteral("Studio or mailing address data"));
        GiveBackActivation(&view);

        // F1 opens the help's contents.
        QTest::keyClick(&view, Qt::Key_F1);
        QTRY_VERIFY(ShownHelp() != nullptr);
        QCOMPARE(ShownHelp()->source().fileName(), QStringLiteral("index.html"));
        // The help window comes back at the size it was left.
        QWidget* help = ShownHelp()->window();
        help->resize(700, 520);
        help->close();
        QCOMPARE(CHelpWindow().size(), QSize(700, 520));
        GiveBackActivation(&view);

        CUrlCatcher catcher;
        QDesktopServices::setUrlHandler(QStringLiteral("file"), &catcher, "Open");
        CommandAction(&view, CMainMenu::kOpenStudioFolderCommand)->trigger();
        QTRY_COMPARE(catcher.urls, (QList<QUrl>{QUrl::fromLocalFile(dir_.path())}));
        QDesktopServices::unsetUrlHandler(QStringLiteral("file"));

        // A window that never opened a studio has nothing to show in the folder or the list.
        CMainDialog empty(ui, "Nowhere.stu");
        CMainDialogView emptyView(empty, ui, nullptr);
        QVERIFY(!CommandAction(&emptyView, CMainMenu::kOpenStudioFolderCommand)->isEnabled());
        QVERIFY(!emptyView.findChild<QMenu*>(QStringLiteral("menu%1").arg(CMainMenu::kRecentMenu))
                     ->isEnabled());
        QVERIFY(CommandAction(&emptyView, CMainMenu::kQuitCommand)->isEnabled());
        SaveAndClear(model.Store(), false);
    }

    void AnotherCompetitionFromTheFileMenuJoinsTheRecentList() {
        QTemporaryDir other;
        QVERIFY(other.isValid());
        const QString fallPath = other.filePath(QStringLiteral("Fall.stu"));
        WriteFileBytes(fallPath, "stu|1|Fall Classic|org@example.org|S|S|S|1\r\n");
        QSettings().setValue(QStringLiteral("recentCompetitions"), QStringList{fallPath});
        CQtUi ui;

        QString fallTitle;
        QStringList recentLines;
        QPoint place;
        WhenModalOpens([&](QWidget* spring) {
            spring->move(spring->pos() + QPoint(17, 9));
            place = spring->pos();
            WhenModalOpens([&](QWidget* studio) {
                TypeInField(studio, CStudioDialog::kNameId, QStringLiteral("Moon Dance"));
                TypeInField(studio, CStudioDialog::kNameAgainId, QStringLiteral("Moon Dance"));
                WhenModalOpens([&](QWidget* fall) {
                    fallTitle = fall->windowTitle();
                    // The second window stands where the first one was left.
                    QCOMPARE(fall->pos(), place);
                    QTest::keyClick(fall, Qt::Key_F, Qt::AltModifier);
                    QTRY_VERIFY(fall->findChild<QMenu*>(QStringLiteral("fileMenu"))->isVisible());
                    auto* recent = fall->findChild<QMenu*>(
                        QStringLiteral("menu%1").arg(CMainMenu::kRecentMenu));
                    QVERIFY(recent != nullptr);
                    for (QAction* line : recent->actions()) {
                        recentLines << line->text();
                    }
                    auto* fileMenu = fall->findChild<QMenu*>(QStringLiteral("fileMenu"));
                    QTest::keyClick(fileMenu, Qt::Key_R);
                    QTRY_VERIFY(recent->isVisible());
                    QTest::qWait(50);
                    SaveScreenshotWithMenu(fall, fileMenu,
                                           QStringLiteral("main-dialog-recent-menu"));
                    QTest::keyClick(recent, Qt::Key_Escape);
                    QTest::keyClick(fileMenu, Qt::Key_Escape);
                    GiveBackActivation(fall);
                    QTest::keyClick(fall, Qt::Key_Q, Qt::ControlModifier);
                    QTRY_VERIFY(!fall->isVisible());
                });
                ClickControl(studio, CStudioDialog::kOkId);
            });
            // Fall was opened in an earlier run: it is the second line of Open recent.
            QAction* fallLine = CommandAction(spring, CMainMenu::kFirstRecentCommand + 1);
            QVERIFY(fallLine != nullptr);
            QCOMPARE(fallLine->text(), QStringLiteral("&2 ") + QDir::toNativeSeparators(fallPath));
            fallLine->trigger();
            // The command runs from the event loop: the window ends there, for Fall.
            QTRY_VERIFY_WITH_TIMEOUT(!spring->isVisible(), 20000);
        });
        RunTavorin(ui, springPath_.toStdString(), "");

        QCOMPARE(fallTitle, QStringLiteral("Data for Fall Classic - Moon Dance"));
        // Named with the system's separators, as the user knows the paths.
        const QString fall = QDir::toNativeSeparators(fallPath);
        const QString spring = QDir::toNativeSeparators(springPath_);
        QCOMPARE(recentLines,
                 (QStringList{QStringLiteral("&1 ") + fall, QStringLiteral("&2 ") + spring}));
        QSettings settings;
        QCOMPARE(settings.value(QStringLiteral("recentCompetitions")).toStringList(),
                 (QStringList{fall, spring}));
        QVERIFY(!settings.value(QStringLiteral("mainWindow/geometry")).toByteArray().isEmpty());
        // Nothing of the studio is kept there.
        for (const QString& key : settings.allKeys()) {
            QVERIFY2(!settings.value(key).toString().contains(QLatin1String("Dance")),
                     qPrintable(key));
        }
        QVERIFY(QFile::exists(other.filePath(QStringLiteral("Fall_Moon_Dance.tvr"))));
    }

private:
    QTemporaryDir settings_;
    QTemporaryDir dir_;
    QString springPath_;
};

QTEST_MAIN(MainMenuViewTest)
#include "MainMenuViewTest.moc"
