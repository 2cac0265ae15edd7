// A large roster imported on screen: the progress shows with Cancel while it runs, and the
// summary window fits the screen with tens of thousands of refused lines in its scrolling list.
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QtTest>

#include "GuiTestSupport.h"
#include "app/Application.h"
#include "data/Database.h"
#include "persons/ImportSummaryWindow.h"
#include "persons/PersonImport.h"
#include "qt/ControlNames.h"
#include "qt/QtUi.h"

class ImportSummaryViewTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { SetUpApplication(*qApp); }

    void ALargeImportShowsItsProgressAndASummaryThatFitsTheScreen() {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        QByteArray roster = "Last name,First name,Type\r\n";
        for (int i = 0; i < 60000; ++i) {
            const QByteArray n = QByteArray::number(i);
            roster += "Name" + n + ",First" + n + (i % 3 == 0 ? ",Golfer\r\n" : ",Lady pro\r\n");
        }
        const QString path = dir.filePath(QStringLiteral("big roster.csv"));
        WriteFileBytes(path, roster);

        CQtUi ui;
        CDatabase store(ui);
        store.fieldSeparator = "|";
        auto studio = std::make_unique<CStudioRecord>();
        studio->number = 1;
        studio->name = "Star Dance";
        store.studioArray.push_back(std::move(studio));

        // The bar, looked at while the import runs.
        QString progressLabel;
        bool hadCancel = false;
        QTimer watch;
        watch.setInterval(20);
        connect(&watch, &QTimer::timeout, [&] {
            for (QWidget* window : QApplication::topLevelWidgets()) {
                auto* bar = qobject_cast<QProgressDialog*>(window);
                if (bar != nullptr && bar->isVisible() && progressLabel.isEmpty() &&
                    bar->value() > 0) {
                    progressLabel = bar->labelText();
                    for (QPushButton* button : bar->findChildren<QPushButton*>()) {
                        hadCancel = hadCancel || button->text() == QStringLiteral("Cancel");
                    }
                    SaveScreenshot(bar, QStringLiteral("import-progress"));
                }
            }
        });
        watch.start();
        CImportSummary summary;
        ui.RunWithProgress("Importing persons from big roster.csv...", [&](CProgress& progress) {
            summary = ImportPersons(
                store, path.toStdString(),
                [&](std::size_t done, std::size_t total) { return progress.Report(done, total); });
        });
        watch.stop();
        QCOMPARE(progressLabel, QStringLiteral("Importing persons from big roster.csv..."));
        QVERIFY(hadCancel);
        QCOMPARE(summary.added, 40000);
        QCOMPARE(summary.refusedLines.size(), std::size_t{20000});

        bool checked = false;
        WhenModalOpens([&](QWidget* window) {
            QCOMPARE(window->windowTitle(), QStringLiteral("Import persons"));
            const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
            QVERIFY2(screen.contains(window->frameGeometry()),
                     qPrintable(QStringLiteral("window %1x%2 on a screen of %3x%4")
                                    .arg(window->width())
                                    .arg(window->height())
                                    .arg(screen.width())
                                    .arg(screen.height())));
            auto* list = FindControl<QListWidget>(window, CImportSummaryWindow::kRefusedListId);
            QCOMPARE(list->count(), 20000);
            QCOMPARE(list->accessibleName(), QStringLiteral("Lines not imported:"));
            QCOMPARE(list->item(0)->text(), QStringLiteral("Line 2: unknown type \"Golfer\""));
            auto* text = FindControl<QPlainTextEdit>(window, CImportSummaryWindow::kSummaryId);
            QVERIFY(text->toPlainText().startsWith(
                QStringLiteral("Persons from big roster.csv:\n40000 persons added.\n60000 lines "
                               "read: 40000 added, 0 already in the studio, 20000 not imported.")));
            auto* save = FindControl<QPushButton>(window, CImportSummaryWindow::kSaveListId);
            QCOMPARE(save->accessibleName(), QStringLiteral("Save list..."));
            CheckNothingCutOrOverlapping(window);
            SaveScreenshot(window, QStringLiteral("import-summary"));
            checked = true;
            ClickControl(window, CImportSummaryWindow::kOkId);
        });
        ShowImportSummary(ui, std::move(summary));
        QVERIFY(checked);
    }
};

QTEST_MAIN(ImportSummaryViewTest)
#include "ImportSummaryViewTest.moc"
