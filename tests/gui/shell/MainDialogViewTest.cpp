// The main window on screen: every control with its text at its place, the steps that are not
// there yet disabled, no text cut off, and the about box on the window menu and Alt+Space.
#include <QAction>
#include <QFile>
#include <QFontInfo>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include "GuiTestSupport.h"
#include "app/Application.h"
#include "data/Database.h"
#include "qt/ControlNames.h"
#include "qt/DialogUnits.h"
#include "qt/QtUi.h"
#include "shell/MainDialog.h"
#include "shell/MainDialogView.h"
#include "shell/SaveAndClear.h"

namespace {

void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

// The main window of the test's competition, initialised and on screen.
struct COpenMainWindow {
    explicit COpenMainWindow(const QString& setupPath)
        : model(ui, setupPath.toStdString()),
          initialized(model.Initialize()),
          view(model, ui, nullptr) {
        view.show();
    }
    ~COpenMainWindow() { SaveAndClear(model.Store(), false); }

    CQtUi ui;
    CMainDialog model;
    bool initialized;
    CMainDialogView view;
};

struct CExpected {
    int id;
    const char* text;
    int x, y, width, height;
    bool enabled;
};

}  // namespace

class MainDialogViewTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        SetUpApplication(*qApp);
        QVERIFY(dir_.isValid());
        setupPath_ = dir_.filePath(QStringLiteral("Spring.stu"));
        WriteFile(setupPath_, "stu|1|Spring Open|org@example.org|S|S|S|1\r\n");
        WriteFile(dir_.filePath(QStringLiteral("Spring_Star_Dance.tvr")),
                  "ST|Star Dance||||||||||||M|3.27.2002.14.5.0|\r\n");
    }

    void HoldsEveryControlWithItsTextAtItsPlace() {
        CQtUi ui;
        CMainDialog model(ui, setupPath_.toStdString());
        QVERIFY(model.Initialize());
        CMainDialogView view(model, ui, nullptr);
        SaveScreenshot(&view, QStringLiteral("main-dialog"));

        QCOMPARE(view.windowTitle(), QStringLiteral("Data for Spring Open - Star Dance"));
        QVERIFY(!view.windowIcon().isNull());
        // The rounded face, or a stand-in as heavy as it is.
        QVERIFY(QFontInfo(view.font()).family() == QStringLiteral("Arial Rounded MT Bold") ||
                QFontInfo(view.font()).bold());
        const CDialogUnits units(view.font());
        const CExpected buttons[] = {
            {1018, "Help\nRead this\nbefore starting", 145, 4, 55, 29, true},
            {1000, "(1) View and edit studio data", 10, 38, 191, 14, true},
            {1001, "(2) Add/edit/delete persons", 10, 62, 191, 14, true},
            {1002, "(3) Add/delete non-dance purchases", 10, 86, 191, 14, true},
            {1011, "(4) Add/edit/delete dance entries", 10, 110, 191, 14, true},
            {1012, "(5) View summary report to check your data", 10, 134, 191, 14, true},
            {1014, "(6) Make diskette for organizer", 10, 158, 191, 14, true},
            {1015, "(6) Email data to organizer using your e-mail program", 10, 182, 191, 14, true},
            {1016, "(6) Make data file to send to organizer", 11, 206, 191, 14, true},
            {1, "OK/Exit data entry", 10, 230, 191, 14, true},
            {1030, "Initialize new studio", 118, 250, 82, 14, true},
        };
        for (const CExpected& expected : buttons) {
            auto* button = FindControl<QPushButton>(&view, expected.id);
            QVERIFY2(button != nullptr, expected.text);
            QCOMPARE(button->text(), QString::fromLatin1(expected.text));
            QCOMPARE(button->geometry(),
                     units.Rect(expected.x, expected.y, expected.width, expected.height));
            QCOMPARE(button->isEnabled(), expected.enabled);
            QCOMPARE(button->isDefault(), expected.id == 1);
            QVERIFY2(TextFits(button, button->text()), expected.text);
        }

        auto* version = FindControl<QLabel>(&view, CMainDialog::kVersionId);
        QVERIFY(version != nullptr);
        QCOMPARE(version->text(), QStringLiteral("Version 1.007"));
        QCOMPARE(version->geometry(), units.Rect(11, 252, 80, 8));
        auto* intro = view.findChild<QLabel*>(QStringLiteral("introText"));
        QVERIFY(intro != nullptr);
        QCOMPARE(intro->text(),
                 QStringLiteral("Follow the six steps below. Be sure to check your data (step 5) "
                                "before sending it to the competition organizer."));
        QCOMPARE(intro->geometry(), units.Rect(11, 4, 130, 30));
        QVERIFY(intro->heightForWidth(intro->width()) <= intro->height());
        for (const char* name : {"orText1", "orText2"}) {
            auto* orText = view.findChild<QLabel*>(QLatin1String(name));
            QVERIFY(orText != nullptr);
            QCOMPARE(orText->text(), QStringLiteral("OR"));
            QVERIFY(TextFits(orText, orText->text()));
        }
        QCOMPARE(orTextY(view, "orText1"), units.Y(173));
        QCOMPARE(orTextY(view, "orText2"), units.Y(197));

        const auto actions = view.WindowMenu()->actions();
        QCOMPARE(actions.size(), 1);
        QCOMPARE(actions.front()->text(), QStringLiteral("&About Tavorin..."));
        SaveAndClear(model.Store(), false);
    }

    void AboutBoxFromTheWindowMenu() {
        COpenMainWindow window(setupPath_);
        QVERIFY(window.initialized);
        QVERIFY(QTest::qWaitForWindowExposed(&window.view));
        QString title;
        QString text;
        WhenModalOpens([&](QWidget* about) {
            title = about->windowTitle();
            if (auto* label = about->findChild<QLabel*>(QStringLiteral("aboutText"))) {
                text = label->text();
            }
            SaveScreenshot(about, QStringLiteral("about-box"));
            FindControl<QPushButton>(about, IDOK)->click();
        });
        window.view.WindowMenu()->actions().front()->trigger();
        QCOMPARE(title, QStringLiteral("About Tavorin"));
        QCOMPARE(text, QStringLiteral("Tavorin Version 1.0"));
    }

    void AltSpaceOpensTheWindowMenuAndPressesNoButton() {
        COpenMainWindow window(setupPath_);
        QVERIFY(window.initialized);
        CMainDialogView& view = window.view;
        QVERIFY(QTest::qWaitForWindowActive(&view));
        QWidget* studio = FindControlById(&view, CMainDialog::kStudioId);
        QVERIFY(studio->hasFocus());
        // Had the focused button been pressed, its dialog would open; this closes it again.
        bool dialogOpened = false;
        QTimer guard;
        connect(&guard, &QTimer::timeout, [&dialogOpened, &view] {
            QWidget* modal = QApplication::activeModalWidget();
            if (modal != nullptr && modal != &view) {
                dialogOpened = true;
                modal->close();
            }
        });
        guard.start(10);
        QTest::keyClick(studio, Qt::Key_Space, Qt::AltModifier);
        QTRY_VERIFY(view.WindowMenu()->isVisible());
        QTest::qWait(50);
        QVERIFY(!dialogOpened);
        view.WindowMenu()->close();
    }

    void OkClosesTheWindow() {
        CQtUi ui;
        CMainDialog model(ui, setupPath_.toStdString());
        QVERIFY(model.Initialize());
        WhenModalOpens([](QWidget* view) {
            QTest::keyClick(FindControlById(view, CMainDialog::kOkId), Qt::Key_Return);
        });
        QCOMPARE(ui.RunDialog(model), IDOK);
        SaveAndClear(model.Store(), false);
    }

private:
    // Whether the text, in the widget's font, fits inside the widget.
    static bool TextFits(const QWidget* widget, const QString& text) {
        if (qobject_cast<const QPushButton*>(widget) != nullptr) {
            const QSize needed = widget->sizeHint();
            return needed.width() <= widget->width() && needed.height() <= widget->height();
        }
        const QRect needed =
            QFontMetrics(widget->font()).boundingRect(QRect(), Qt::AlignCenter, text);
        return needed.width() <= widget->width() && needed.height() <= widget->height();
    }

    static int orTextY(const QWidget& view, const char* name) {
        return view.findChild<QLabel*>(QLatin1String(name))->y();
    }

    QTemporaryDir dir_;
    QString setupPath_;
};

QTEST_MAIN(MainDialogViewTest)
#include "MainDialogViewTest.moc"
