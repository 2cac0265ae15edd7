// Enter in the program's dialogs: moves on in an edit, presses a focused button, toggles a check
// box, starts a new line in a multi-line edit, and never presses the default button from a list.
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <QtTest>

#include "GuiTestSupport.h"
#include "app/Application.h"
#include "dialogs/TextDialog.h"
#include "qt/QtUi.h"

namespace {

struct CFormDialog : QDialog {
    CFormDialog() {
        auto* layout = new QVBoxLayout(this);
        for (QWidget* w : std::initializer_list<QWidget*>{lastName, firstName, person, independent,
                                                          gentleman, lady, notes, list, add, ok}) {
            layout->addWidget(w);
        }
        list->addItems({QStringLiteral("Waltz"), QStringLiteral("Tango")});
        person->setEditable(true);
        person->addItems({QStringLiteral("Adams, Ann"), QStringLiteral("Baker, Tom")});
        ok->setDefault(true);
        connect(add, &QPushButton::clicked, [this] { ++addClicks; });
        connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    }
    QLineEdit* lastName = new QLineEdit;
    QLineEdit* firstName = new QLineEdit;
    QComboBox* person = new QComboBox;
    QCheckBox* independent = new QCheckBox(QStringLiteral("independent"));
    QRadioButton* gentleman = new QRadioButton(QStringLiteral("Gentleman"));
    QRadioButton* lady = new QRadioButton(QStringLiteral("Lady"));
    QPlainTextEdit* notes = new QPlainTextEdit;
    QListWidget* list = new QListWidget;
    QPushButton* add = new QPushButton(QStringLiteral("Add"));
    QPushButton* ok = new QPushButton(QStringLiteral("OK"));
    int addClicks = 0;
};

}  // namespace

class EnterKeyTest : public QObject {
    Q_OBJECT

private:
    CFormDialog* dialog = nullptr;

    void Focus(QWidget* widget) {
        widget->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), widget);
    }

private slots:
    void initTestCase() { SetUpApplication(*qApp); }

    void init() {
        dialog = new CFormDialog;
        dialog->show();
        QApplication::setActiveWindow(dialog);
        QVERIFY(QTest::qWaitForWindowActive(dialog));
    }

    void cleanup() { delete dialog; }

    void EnterInAnEditMovesToTheNextFieldAndKeepsTheDialogOpen() {
        Focus(dialog->lastName);
        QTest::keyClicks(dialog->lastName, QStringLiteral("Smith"));
        QTest::keyClick(dialog->lastName, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), dialog->firstName);
        QVERIFY(dialog->isVisible());
        QCOMPARE(dialog->lastName->text(), QStringLiteral("Smith"));
        QTest::keyClick(dialog->firstName, Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(QApplication::focusWidget(), dialog->person);
        // A type-ahead combo box moves on too, keeping what was typed.
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("Bak"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), dialog->independent);
        QVERIFY(dialog->person->currentText().startsWith(QStringLiteral("Bak")));
        QVERIFY(dialog->isVisible());
    }

    void EnterOnAFocusedButtonPressesIt() {
        Focus(dialog->add);
        QTest::keyClick(dialog->add, Qt::Key_Return);
        QCOMPARE(dialog->addClicks, 1);
        QVERIFY(dialog->isVisible());
        QCOMPARE(QApplication::focusWidget(), dialog->add);
    }

    void EnterOnACheckBoxTogglesItAndMovesOn() {
        Focus(dialog->independent);
        QTest::keyClick(dialog->independent, Qt::Key_Return);
        QVERIFY(dialog->independent->isChecked());
        QCOMPARE(QApplication::focusWidget(), dialog->gentleman);
        Focus(dialog->independent);
        QTest::keyClick(dialog->independent, Qt::Key_Return);
        QVERIFY(!dialog->independent->isChecked());
    }

    void EnterOnARadioButtonSetsItAndMovesOn() {
        dialog->gentleman->setChecked(true);
        Focus(dialog->lady);
        QTest::keyClick(dialog->lady, Qt::Key_Return);
        QVERIFY(dialog->lady->isChecked());
        QVERIFY(!dialog->gentleman->isChecked());
        QVERIFY(QApplication::focusWidget() != dialog->lady);
    }

    void EnterInAMultiLineEditStartsANewLine() {
        Focus(dialog->notes);
        QTest::keyClicks(dialog->notes, QStringLiteral("one"));
        QTest::keyClick(dialog->notes, Qt::Key_Return);
        QTest::keyClicks(dialog->notes, QStringLiteral("two"));
        QCOMPARE(dialog->notes->toPlainText(), QStringLiteral("one\ntwo"));
        QCOMPARE(QApplication::focusWidget(), dialog->notes);
    }

    void EnterInAListMovesOnWithoutPressingTheDefaultButton() {
        Focus(dialog->list);
        QTest::keyClick(dialog->list, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), dialog->add);
        QVERIFY(dialog->isVisible());
        QCOMPARE(dialog->result(), 0);
    }

    void EnterInTheTextDialogPressesOK() {
        CQtUi ui;
        CTextDialog model("Comment", 60, "", 0);
        WhenModalOpens([](QWidget*) {
            QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("Vegetarian"));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        });
        QCOMPARE(ui.RunDialog(model), IDOK);
        QCOMPARE(QString::fromStdString(model.text), QStringLiteral("Vegetarian"));
    }
};

QTEST_MAIN(EnterKeyTest)
#include "EnterKeyTest.moc"
