// The report window on screen and on paper: the lines wrapped to the white text area, "Print"
// and "OK" where they belong, the system print dialog, and a long report printed to a PDF file
// over several pages.
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QtTest>

#include "GuiTestSupport.h"
#include "app/Application.h"
#include "data/Database.h"
#include "formats/DataFileReader.h"
#include "formats/SetupLoader.h"
#include "qt/ControlNames.h"
#include "qt/DialogUnits.h"
#include "qt/QtUi.h"
#include "report/ReportPrintView.h"
#include "report/ReportWindow.h"
#include "report/StatementsWindow.h"
#include "report/SummaryReport.h"

namespace {

// A report of `count` entry lines, some long enough to need wrapping.
CStringList LongReport(int count) {
    CStringList lines = {"Star Dance", "", "Dance entries:", ""};
    for (int i = 1; i <= count; ++i) {
        lines.push_back(
            "    38.00 International Latin - Single Dances, Adult (19-34), Silver, "
            "Cha Cha, entry " +
            std::to_string(i) +
            (i % 5 == 0 ? ", with a note long enough that it cannot stand on one "
                          "line of the window and has to be wrapped at a blank"
                        : ""));
    }
    lines.push_back("");
    lines.push_back(
        "Approximate total due: 3800.00, *The final amount due will be provided by "
        "organizer invoice*");
    return lines;
}

int PdfPageCount(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return -1;
    }
    const QString bytes = QString::fromLatin1(file.readAll());
    static const QRegularExpression page(QStringLiteral(R"(/Type\s*/Page(?![s\w]))"));
    return static_cast<int>(bytes.count(page));
}

// Answers the save dialogs with `answer` (the system's file dialog is not ours to drive).
class CAnsweringUi : public CQtUi {
public:
    std::string AskForFileToSave(const std::string&, const std::vector<std::string>&,
                                 const std::string&) override {
        return answer;
    }
    std::string answer;
};

}  // namespace

class ReportWindowViewTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { SetUpApplication(*qApp); }

    void FindsWithCtrlFAndF3AndSavesAsTextAndPdf() {
        const QLocale before;
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        CAnsweringUi ui;
        QTemporaryDir dir;
        const CStringList lines = LongReport(120);
        CReportWindow model(ui, CReportWindow::kSummaryCaption, lines);
        WhenModalOpens([&](QWidget* view) {
            const CDialogUnits units(view->font());
            auto* text = FindControl<QPlainTextEdit>(view, CReportWindow::kTextId);
            auto* find = FindControl<QLineEdit>(view, CReportWindow::kFindTextId);
            auto* next = FindControl<QPushButton>(view, CReportWindow::kFindNextId);
            auto* saveText = FindControl<QPushButton>(view, CReportWindow::kSaveTextId);
            auto* savePdf = FindControl<QPushButton>(view, CReportWindow::kSavePdfId);
            QVERIFY(text && find && next && saveText && savePdf);
            QCOMPARE(find->accessibleName(), QStringLiteral("Find:"));
            QCOMPARE(next->accessibleName(), QStringLiteral("Find next"));
            QCOMPARE(saveText->accessibleName(), QStringLiteral("Save as text..."));
            QCOMPARE(savePdf->accessibleName(), QStringLiteral("Save as PDF..."));
            // The buttons stand in one row, none over another.
            QCOMPARE(savePdf->geometry(), units.Rect(215, 249, 52, 14));
            QVERIFY(saveText->geometry().right() < savePdf->geometry().left());
            QVERIFY(next->geometry().right() < saveText->geometry().left());

            // Ctrl+F goes to the find box; Enter finds and leaves the window open.
            QTest::keyClick(view, Qt::Key_F, Qt::ControlModifier);
            QVERIFY(find->hasFocus());
            QTest::keyClicks(find, QStringLiteral("ENTRY 2"));
            QTest::keyClick(find, Qt::Key_Return);
            QVERIFY(view->isVisible());
            QCOMPARE(text->textCursor().selectedText(), QStringLiteral("entry 2"));
            const int first = text->textCursor().selectionStart();
            // F3 goes on to the next place: "entry 20".
            QTest::keyClick(view, Qt::Key_F3);
            const QTextCursor second = text->textCursor();
            QVERIFY(second.selectionStart() > first);
            QCOMPARE(text->toPlainText().mid(second.selectionStart(), 8),
                     QStringLiteral("entry 20"));
            SaveScreenshot(view, QStringLiteral("report-window-find"));

            QString said;
            find->setFocus();
            find->selectAll();
            QTest::keyClicks(find, QStringLiteral("Waltz"));
            CloseNextMessageBox(&said);
            QTest::keyClick(view, Qt::Key_F3);
            QCOMPARE(said, QStringLiteral("Cannot find \"Waltz\"."));

            // Save as text, clicked.
            const QString textPath = dir.filePath(QStringLiteral("report.txt"));
            ui.answer = QFile::encodeName(textPath).toStdString();
            CloseNextMessageBox(&said);
            saveText->click();
            QCOMPARE(said,
                     QStringLiteral("The report was written to ") + textPath + QLatin1Char('.'));
            const QByteArray saved = ReadFileBytes(textPath);
            QVERIFY(saved.startsWith("Star Dance\r\n\r\nDance entries:\r\n"));
            QCOMPARE(saved.count("\r\n"), static_cast<qsizetype>(lines.size()));

            // Save as PDF, by keys: on Letter paper, as the locale wants, three pages.
            const QString pdfPath = dir.filePath(QStringLiteral("report.pdf"));
            ui.answer = QFile::encodeName(pdfPath).toStdString();
            CloseNextMessageBox(&said);
            savePdf->setFocus();
            QTest::keyClick(savePdf, Qt::Key_Space);
            QCOMPARE(said,
                     QStringLiteral("The report was written to ") + pdfPath + QLatin1Char('.'));
            QVERIFY(PdfPageCount(pdfPath) >= 2);
            const QString pdf = QString::fromLatin1(ReadFileBytes(pdfPath));
            static const QRegularExpression box(
                QStringLiteral(R"(/MediaBox \[0 0 (\d+)[.0]* (\d+)[.0]*\])"));
            const QRegularExpressionMatch paper = box.match(pdf);
            QVERIFY(paper.hasMatch());
            QCOMPARE(paper.captured(1) + QLatin1Char('x') + paper.captured(2),
                     QStringLiteral("612x792"));

            // Into a folder that is not there: said why, and no file made.
            const QString gone = dir.filePath(QStringLiteral("gone/report.pdf"));
            ui.answer = QFile::encodeName(gone).toStdString();
            CloseNextMessageBox(&said);
            savePdf->click();
            QVERIFY2(said.startsWith(QStringLiteral("The report could not be written to ") + gone +
                                     QStringLiteral(" (")),
                     qPrintable(said));
            QVERIFY(!QFile::exists(gone));
            FindControl<QPushButton>(view, CReportWindow::kOkId)->click();
        });
        QCOMPARE(ui.RunDialog(model), IDOK);
        QLocale::setDefault(before);
    }

    void ShowsTheLinesWrappedToTheWhiteTextArea() {
        CQtUi ui;
        const CStringList lines = LongReport(12);
        CReportWindow model(ui, CReportWindow::kSummaryCaption, lines);
        WhenModalOpens([&](QWidget* view) {
            QCOMPARE(view->windowTitle(), QStringLiteral("Summary report"));
            const CDialogUnits units(view->font());
            QCOMPARE(view->size(), QSize(units.X(435), units.Y(266)));
            auto* text = FindControl<QPlainTextEdit>(view, CReportWindow::kTextId);
            QVERIFY(text != nullptr);
            QVERIFY(text->isReadOnly());
            QCOMPARE(text->geometry(), units.Rect(0, 5, 430, 238));
            QCOMPARE(text->accessibleName(), QStringLiteral("Summary report"));
            QCOMPARE(text->palette().color(QPalette::Base), QColor(Qt::white));
            QCOMPARE(text->palette().color(QPalette::Text), QColor(Qt::black));
            auto* ok = FindControl<QPushButton>(view, CReportWindow::kOkId);
            auto* print = FindControl<QPushButton>(view, CReportWindow::kPrintId);
            QVERIFY(ok != nullptr && print != nullptr);
            QCOMPARE(ok->text(), QStringLiteral("OK"));
            QCOMPARE(ok->accessibleName(), QStringLiteral("OK"));
            QVERIFY(ok->isDefault());
            QCOMPARE(ok->geometry(), units.Rect(383, 249, 50, 14));
            QCOMPARE(print->text(), QStringLiteral("Print"));
            QCOMPARE(print->accessibleName(), QStringLiteral("Print"));
            QCOMPARE(print->geometry(), units.Rect(327, 249, 50, 14));

            // Our wrapping matches the area: the long lines were broken at blanks, and no line
            // is so wide that the area has to break it again.
            QVERIFY(model.wrappedLines.size() > lines.size());
            QCOMPARE(text->document()->blockCount(),
                     static_cast<int>(model.wrappedLines.size()) + 1);
            for (QTextBlock block = text->document()->begin(); block.isValid();
                 block = block.next()) {
                QVERIFY2(block.layout()->lineCount() <= 1, qPrintable(block.text()));
            }
            QVERIFY(
                text->toPlainText().startsWith(QStringLiteral("Star Dance \n\nDance entries:")));
            SaveScreenshot(view, QStringLiteral("report-window"));
            ok->click();
        });
        QCOMPARE(ui.RunDialog(model), IDOK);
    }

    void PrintOffersTheSystemPrintDialogWithPrintingToPdf() {
#ifdef _WIN32
        if (QPrinter().outputFormat() != QPrinter::NativeFormat) {
            QSKIP("no printer is set up: PrintWithoutAPrinterSaysWhatToDoInstead covers it");
        }
#endif
        CQtUi ui;
        const CStringList lines = LongReport(3);
        CReportWindow model(ui, CReportWindow::kSummaryCaption, lines);
        bool sawPrintDialog = false;
        QStringList printers;
        WhenModalOpens([&](QWidget* view) {
            WhenModalOpens([&](QWidget* modal) {
                auto* dialog = qobject_cast<QPrintDialog*>(modal);
                sawPrintDialog = dialog != nullptr;
                for (const QComboBox* box : modal->findChildren<QComboBox*>()) {
                    for (int i = 0; i < box->count(); ++i) {
                        printers << box->itemText(i);
                    }
                }
                SaveScreenshot(modal, QStringLiteral("report-print-dialog"));
                modal->close();
            });
            FindControl<QPushButton>(view, CReportWindow::kPrintId)->click();
            // Cancelling the print dialog leaves the window open.
            QVERIFY(view->isVisible());
            FindControl<QPushButton>(view, CReportWindow::kOkId)->click();
        });
        QCOMPARE(ui.RunDialog(model), IDOK);
        QVERIFY(sawPrintDialog);
        QVERIFY2(printers.contains(QStringLiteral("Print to File (PDF)")),
                 qPrintable(printers.join(QStringLiteral(", "))));
    }

#ifdef _WIN32
    // Windows' print dialog does not open without a printer: Print says so, and the window
    // stays open for "Save as PDF...".
    void PrintWithoutAPrinterSaysWhatToDoInstead() {
        if (QPrinter().outputFormat() == QPrinter::NativeFormat) {
            QSKIP("a printer is set up here");
        }
        CQtUi ui;
        const CStringList lines = LongReport(3);
        CReportWindow model(ui, CReportWindow::kSummaryCaption, lines);
        QString message;
        bool stayedOpen = false;
        WhenModalOpens([&](QWidget* view) {
            CloseNextMessageBox(&message);
            FindControl<QPushButton>(view, CReportWindow::kPrintId)->click();
            stayedOpen = view->isVisible();
            FindControl<QPushButton>(view, CReportWindow::kOkId)->click();
        });
        QCOMPARE(ui.RunDialog(model), IDOK);
        QCOMPARE(message, QStringLiteral("No printer is set up on this computer. Use \"Save as "
                                         "PDF...\" and print the PDF file, or set up a printer in "
                                         "the system's settings first."));
        QVERIFY(stayedOpen);
    }
#endif

    void ALongReportPrintsOnSeveralPages() {
        QTemporaryDir dir;
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        const QString path = dir.filePath(QStringLiteral("report.pdf"));
        printer.setOutputFileName(path);
        QVERIFY(PrintReportLines(printer, LongReport(150)));
        QCOMPARE(printer.docName(), QStringLiteral("Bursana print job"));
        const int pages = PdfPageCount(path);
        QVERIFY2(pages > 1, qPrintable(QString::number(pages)));
        const QString folder = qEnvironmentVariable("TAVORIN_SCREENSHOT_DIR");
        if (!folder.isEmpty()) {
            QFile::remove(folder + QStringLiteral("/report.pdf"));
            QFile::copy(path, folder + QStringLiteral("/report.pdf"));
        }

        // A printer that cannot be opened is a failure, not a success.
        QPrinter nowhere(QPrinter::HighResolution);
        nowhere.setOutputFormat(QPrinter::PdfFormat);
        nowhere.setOutputFileName(dir.filePath(QStringLiteral("missing/report.pdf")));
        QVERIFY(!PrintReportLines(nowhere, LongReport(1)));
    }

    // The sample studio's statements: from the report's "Statements..." to their own window,
    // and one PDF page per statement.
    void StatementsOpenFromTheReportAndSaveOnePagePerStatement() {
        CQtUi ui;
        CDatabase store(ui);
        const std::string examples = TAVORIN_SOURCE_DIR "/../examples/";
        QCOMPARE(LoadSetupFile(store, examples + "SpringFestival.stu", false), 1);
        store.dataFileName = examples + "SpringFestival_Starlight_Ballroom.tvr";
        QVERIFY(ReadDataFile(store));
        CStringList lines;
        QVERIFY(BuildSummaryReport(store, lines));
        CReportWindow model(ui, CReportWindow::kSummaryCaption, lines);
        model.OfferStatements(store);
        QString shown;
        QStringList buttons;
        WhenModalOpens([&](QWidget* view) {
            auto* statements = FindControl<QPushButton>(view, CReportWindow::kStatementsId);
            QVERIFY(statements != nullptr);
            QCOMPARE(statements->accessibleName(), QStringLiteral("Statements..."));
            QCOMPARE(statements->geometry(), CDialogUnits(view->font()).Rect(271, 249, 50, 14));
            WhenModalOpens([&](QWidget* window) {
                QCOMPARE(window->windowTitle(), QStringLiteral("Statements"));
                auto* text = FindControl<QPlainTextEdit>(window, CStatementsWindow::kTextId);
                shown = text->toPlainText();
                // Every line shows whole on one line: no "(half)" of its own below a charge.
                int longest = 0;
                for (const QString& line : shown.split(QLatin1Char('\n'))) {
                    longest = std::max(longest, text->fontMetrics().horizontalAdvance(line));
                }
                // (A screen narrower than the longest line scrolls it instead.)
                const int room = window->screen()->availableGeometry().width() - 40;
                QVERIFY2(longest <= text->viewport()->width() || window->width() >= room,
                         qPrintable(QStringLiteral("%1 > %2").arg(longest).arg(
                             text->viewport()->width())));
                QCOMPARE(text->lineWrapMode(), QPlainTextEdit::NoWrap);
                for (const int id : {CStatementsWindow::kPrintId, CStatementsWindow::kSavePdfId,
                                     CStatementsWindow::kSaveEachPdfId,
                                     CStatementsWindow::kSaveCsvId, CStatementsWindow::kOkId}) {
                    buttons << FindControl<QPushButton>(window, id)->accessibleName();
                }
                SaveScreenshot(window, QStringLiteral("statements-window"));
                FindControl<QPushButton>(window, CStatementsWindow::kOkId)->click();
            });
            SaveScreenshot(view, QStringLiteral("report-window-statements"));
            statements->click();
            FindControl<QPushButton>(view, CReportWindow::kOkId)->click();
        });
        QCOMPARE(ui.RunDialog(model), IDOK);
        QVERIFY2(shown.startsWith(QStringLiteral(
                     "Starlight Ballroom\nStatement for Turner, Michael, gentleman professional")),
                 qPrintable(shown));
        QVERIFY2(shown.contains(QStringLiteral(
                     "Check: equal to the summary report's approximate total due, 2307.50.")),
                 qPrintable(shown));
        QCOMPARE(buttons, (QStringList{QStringLiteral("Print"), QStringLiteral("Save as PDF..."),
                                       QStringLiteral("Save each as PDF..."),
                                       QStringLiteral("Save as CSV..."), QStringLiteral("OK")}));

        // The instructions of the data-file step offer no statements.
        CReportWindow instructions(ui, "Instructions", lines);
        QVERIFY(!instructions.OffersStatements());

        CStatements statements;
        QVERIFY(BuildStatements(store, statements));
        const CStatementsWindow window(ui, statements);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("statements.pdf"));
        QVERIFY(WriteReportPdf(path, QStringLiteral("Statements"), window.Pages()));
        QCOMPARE(PdfPageCount(path), static_cast<int>(statements.statements.size()));
        const QString folder = qEnvironmentVariable("TAVORIN_SCREENSHOT_DIR");
        if (!folder.isEmpty()) {
            QFile::remove(folder + QStringLiteral("/statements.pdf"));
            QFile::copy(path, folder + QStringLiteral("/statements.pdf"));
        }
        QVERIFY(!WriteReportPdf(dir.filePath(QStringLiteral("missing/s.pdf")),
                                QStringLiteral("Statements"), window.Pages()));
    }
};

QTEST_MAIN(ReportWindowViewTest)
#include "ReportWindowViewTest.moc"
