// The help: every dialog that offers help has a topic, every link between topics leads to a
// topic, and the one help window follows links back and forth and is reused.
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextBrowser>
#include <QtTest>

#include "GuiTestSupport.h"
#include "app/Application.h"
#include "data/DanceCategory.h"
#include "data/Database.h"
#include "data/Records.h"
#include "dialogs/ListDialog.h"
#include "dialogs/TextDialog.h"
#include "entries/EntryForm.h"
#include "entries/EntryFormDialog.h"
#include "entries/EntryTypeDialog.h"
#include "persons/PersonDialog.h"
#include "persons/PersonListDialog.h"
#include "purchases/PurchaseDialog.h"
#include "purchases/PurchaseListDialog.h"
#include "qt/QtUi.h"
#include "qt/TextDialogView.h"
#include "report/ReportWindow.h"
#include "report/StatementsWindow.h"
#include "shell/MainDialog.h"
#include "studio/StudioDialog.h"

namespace {

QPushButton* HelpButton(const char* name) {
    QTextBrowser* browser = ShownHelp();
    return browser != nullptr ? browser->window()->findChild<QPushButton*>(QLatin1String(name))
                              : nullptr;
}

// Opens the dialog of `model`, presses its Help button (F1 where it has none) and returns the
// topic the help window shows then.
QString TopicShownByHelpOf(CQtUi& ui, CDialogModel& model, int helpButtonId) {
    QString shown = QStringLiteral("<no help window>");
    WhenModalOpens([&shown, helpButtonId](QWidget* view) {
        if (helpButtonId != 0) {
            ClickControl(view, helpButtonId);
        } else {
            QTest::keyClick(view, Qt::Key_F1);
        }
        if (QTextBrowser* help = ShownHelp()) {
            shown = help->source().fileName();
            help->window()->close();
        }
        view->close();
    });
    ui.RunDialog(model);
    return shown;
}

}  // namespace

class HelpTopicsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { SetUpApplication(*qApp); }

    void EveryLinkLeadsToATopic() {
        const QRegularExpression link(QStringLiteral("href\\s*=\\s*\"([^\"#]*)"));
        const QStringList topics = QDir(QStringLiteral(":/help")).entryList(QDir::Files);
        QVERIFY(topics.contains(QStringLiteral("index.html")));
        int links = 0;
        for (const QString& topic : topics) {
            QFile file(QStringLiteral(":/help/") + topic);
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QString html = QString::fromUtf8(file.readAll());
            for (const QRegularExpressionMatch& match : link.globalMatch(html)) {
                const QString target = match.captured(1);
                if (target.startsWith(QLatin1String("mailto:")) ||
                    target.startsWith(QLatin1String("http"))) {
                    continue;
                }
                ++links;
                QVERIFY2(QFile::exists(QStringLiteral(":/help/") + target),
                         qPrintable(topic + QStringLiteral(" links to missing ") + target));
            }
        }
        QVERIFY(links >= topics.size());
    }

    // The topic of every dialog: 0x20000 + its resource number, 131174 for the main window. A
    // missing topic would show the contents instead.
    void EveryHelpButtonOpensItsDialogsTopic() {
        CQtUi ui;
        CDatabase db(ui);
        CStudioRecord studio;
        CPersonRecord person;
        CDanceCategory category;
        CEntryForm form;
        form.category = &category;
        form.kind = category.kind;
        form.entryType = 'A';
        CMainDialog mainDialog(ui, "Spring.stu");
        CStudioDialog studioDialog(ui, studio);
        CPersonListDialog personList(db);
        CPersonDialog personDialog(db, person);
        CPurchaseListDialog purchaseList(db);
        CPurchaseDialog purchaseDialog(db);
        CEntryTypeDialog entryType(db, 0, 0, false);
        CEntryFormDialog entryForm(db, form);
        const CStringList reportLines = {"Nothing entered yet."};
        CReportWindow report(ui, "Summary report", reportLines);
        CStatementsWindow statements(ui, CStatements{});
        CListDialog list("Select", 0, 0, 0, 0, "", "", "");
        list.AddItem(0, "Spring Open");
        CTextDialog text("Search for:", 60, "", 0);
        CTextDialog drive("Drive", 1, "A", 'U');
        drive.helpContext = CDialogModel::HelpContextFor(CMainDialog::kResourceId);
        const struct {
            CDialogModel* model;
            int helpButtonId;  // 0: the dialog has none, F1 opens its help
            const char* topic;
        } dialogs[] = {
            {&mainDialog, CMainDialog::kHelpId, "131174.html"},
            {&studioDialog, CStudioDialog::kHelpId, "131283.html"},
            {&personList, CPersonListDialog::kHelpId, "131201.html"},
            {&personDialog, CPersonDialog::kHelpId, "131290.html"},
            {&purchaseList, CPurchaseListDialog::kHelpId, "131357.html"},
            {&purchaseDialog, CPurchaseDialog::kHelpId, "131285.html"},
            {&entryType, CEntryTypeDialog::kHelpId, "131291.html"},
            {&entryForm, CEntryFormDialog::kHelpId, "131292.html"},
            {&report, 0, "131202.html"},
            {&statements, 0, "131203.html"},
            {&list, 0, "131356.html"},
            {&text, 0, "131331.html"},
            {&drive, CTextDialogView::kHelpButtonId, "131174.html"},
        };
        for (const auto& dialog : dialogs) {
            QCOMPARE(TopicShownByHelpOf(ui, *dialog.model, dialog.helpButtonId),
                     QString::fromLatin1(dialog.topic));
        }
    }

    void TheHelpWindowFollowsLinksBackAndForth() {
        CQtUi ui;
        ui.OpenHelp(CDialogModel::HelpContextFor(CMainDialog::kResourceId));
        QTextBrowser* browser = ShownHelp();
        QVERIFY(browser != nullptr);
        QVERIFY(browser->window()->isModal());
        QCOMPARE(browser->source().fileName(), QStringLiteral("131174.html"));
        QVERIFY(browser->toPlainText().contains(QLatin1String("six steps")));
        QVERIFY(!HelpButton("helpBack")->isEnabled());
        QStringList spoken;
        for (const QPushButton* button : browser->window()->findChildren<QPushButton*>()) {
            spoken << button->accessibleName();
        }
        QCOMPARE(spoken, (QStringList{QStringLiteral("Back"), QStringLiteral("Forward"),
                                      QStringLiteral("Contents"), QStringLiteral("Close")}));
        SaveScreenshot(browser->window(), QStringLiteral("help-main"));

        // What a click on the "Studio data" link does.
        browser->setSource(browser->source().resolved(QUrl(QStringLiteral("131283.html"))));
        QCOMPARE(browser->source().fileName(), QStringLiteral("131283.html"));
        QVERIFY(HelpButton("helpBack")->isEnabled());
        HelpButton("helpBack")->click();
        QCOMPARE(browser->source().fileName(), QStringLiteral("131174.html"));
        QVERIFY(HelpButton("helpForward")->isEnabled());
        HelpButton("helpForward")->click();
        QCOMPARE(browser->source().fileName(), QStringLiteral("131283.html"));
        browser->window()->close();

        // The next press reuses the window, with its history, at the new topic.
        ui.OpenHelp(CDialogModel::HelpContextFor(CEntryFormDialog::kResourceId));
        QCOMPARE(ShownHelp(), browser);
        QCOMPARE(browser->source().fileName(), QStringLiteral("131292.html"));
        HelpButton("helpBack")->click();
        QCOMPARE(browser->source().fileName(), QStringLiteral("131283.html"));
        browser->window()->close();
    }

    // The contents' link to step 6 opens the section itself, far down its long topic.
    void TheStepSixLinkOpensItsSection() {
        CQtUi ui;
        ui.OpenHelp(CDialogModel::HelpContextFor(CMainDialog::kResourceId));
        QTextBrowser* browser = ShownHelp();
        QVERIFY(browser != nullptr);
        browser->setSource(browser->source().resolved(QUrl(QStringLiteral("index.html"))));
        const QRegularExpression link(
            QStringLiteral("href=\"([^\"]*)\">Sending your data to the organizer \\(step 6\\)"));
        QFile contents(QStringLiteral(":/help/index.html"));
        QVERIFY(contents.open(QIODevice::ReadOnly));
        const QRegularExpressionMatch match = link.match(QString::fromUtf8(contents.readAll()));
        QVERIFY2(match.hasMatch(), "no step-6 link in the contents");
        QCOMPARE(QUrl(match.captured(1)).fragment(), QStringLiteral("step6"));
        browser->setSource(browser->source().resolved(QUrl(match.captured(1))));
        QCOMPARE(browser->source().fileName(), QStringLiteral("131174.html"));
        QTRY_VERIFY(browser->verticalScrollBar()->value() > 0);
        const QTextCursor top = browser->cursorForPosition(QPoint(4, 4));
        QVERIFY2(top.block().text().contains(QLatin1String("step 6")) ||
                     top.block().next().text().contains(QLatin1String("step 6")),
                 qPrintable(top.block().text()));
        browser->window()->close();
    }

    void AContextWithoutTopicShowsTheContents() {
        CQtUi ui;
        ui.OpenHelp(CDialogModel::HelpContextFor(1));
        QTextBrowser* browser = ShownHelp();
        QVERIFY(browser != nullptr);
        QCOMPARE(browser->source().fileName(), QStringLiteral("index.html"));
        QVERIFY(browser->toPlainText().contains(QLatin1String("Tavorin help")));
        browser->window()->close();
    }
};

QTEST_MAIN(HelpTopicsTest)
#include "HelpTopicsTest.moc"
