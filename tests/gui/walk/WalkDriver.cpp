#include "WalkDriver.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include "GuiTestSupport.h"
#include "qt/ControlNames.h"

namespace {

constexpr int kPollMs = 20;
// How long a window may keep the walk waiting: saving and the report take a moment, the
// sanitizer builds several.
constexpr qint64 kPatienceMs = 30000;
// A window other than the expected one on top for this long is a wrong turn, not a moment
// between two windows.
constexpr qint64 kWrongWindowMs = 3000;

// A window as the walk names it: a message box by its text, any other window by its caption.
QString Named(bool message, const QString& text) {
    return (message ? QStringLiteral("the message \"%1\"") : QStringLiteral("the window \"%1\""))
        .arg(text);
}

QString Describe(QWidget* window) {
    if (window == nullptr) {
        return QStringLiteral("no window");
    }
    auto* box = qobject_cast<QMessageBox*>(window);
    return Named(box != nullptr, box != nullptr ? box->text() : window->windowTitle());
}

// Closes a window the walk has given up on, the way a user who wants out would.
void CloseAnyway(QWidget* window) {
    if (auto* box = qobject_cast<QMessageBox*>(window)) {
        QAbstractButton* out = box->escapeButton();
        if (out == nullptr && !box->buttons().isEmpty()) {
            out = box->buttons().last();
        }
        if (out != nullptr) {
            out->click();
            return;
        }
    }
    window->close();
}

}  // namespace

CWalkDriver::CWalkDriver(int pauseMs, QString pictureFolder)
    : context_(std::make_unique<QObject>()),
      pictureFolder_(std::move(pictureFolder)),
      pauseMs_(pauseMs) {}

CWalkDriver::~CWalkDriver() = default;

void CWalkDriver::In(const QString& caption, Act act) {
    steps_.push_back({false, caption, std::move(act)});
}

void CWalkDriver::Answer(const QString& text, QMessageBox::StandardButton button) {
    steps_.push_back({true, text, [button](QWidget* window) {
                          auto* box = qobject_cast<QMessageBox*>(window);
                          QVERIFY(box != nullptr && box->button(button) != nullptr);
                          QTest::mouseClick(box->button(button), Qt::LeftButton);
                      }});
}

void CWalkDriver::Picture(const QString& caption, const QString& name) {
    In(caption, [this, name](QWidget* window) {
        if (pictureFolder_.isEmpty()) {
            return;
        }
        QDir().mkpath(pictureFolder_);
        const QString file = QStringLiteral("%1/%2-%3.png")
                                 .arg(pictureFolder_)
                                 .arg(++pictures_, 2, 10, QLatin1Char('0'))
                                 .arg(name);
        window->grab().save(file);
    });
}

void CWalkDriver::Start() {
    waiting_.start();
    QTimer::singleShot(kPollMs, context_.get(), [this] { Poll(); });
}

bool CWalkDriver::Matches(const Step& step, QWidget* window) const {
    auto* box = qobject_cast<QMessageBox*>(window);
    return step.message == (box != nullptr) &&
           step.text == (box != nullptr ? box->text() : window->windowTitle());
}

void CWalkDriver::Fail(const QString& why) {
    if (failure_.isEmpty()) {
        // Every window the program opens from now on returns at once, so that the program
        // unwinds to its end and the test reports instead of hanging.
        QCoreApplication::exit(1);
        failure_ =
            why + QStringLiteral("\nThe last steps played:\n  ") +
            played_.mid(std::max<qsizetype>(0, played_.size() - 5)).join(QStringLiteral("\n  "));
    }
}

void CWalkDriver::Poll() {
    if (QWidget* popup = QApplication::activePopupWidget(); popup && !failure_.isEmpty()) {
        popup->close();
    }
    QWidget* window = QApplication::activeModalWidget();
    // Without a window manager (offscreen, a bare X server) nobody hands the activation back
    // to the dialog below a closed one.
    QWidget* active = QApplication::activeWindow();
    if (window != nullptr && window->isVisible() && window != active &&
        (active == nullptr || !active->isVisible())) {
        window->activateWindow();
    }
    const bool ready =
        window != nullptr && window->isVisible() && QApplication::activeWindow() == window;
    if (steps_.empty() && failure_.isEmpty()) {
        return;  // played to the end; the program closes by itself
    }
    // Watch on while the step below waits in a window of its own.
    QTimer::singleShot(kPollMs, context_.get(), [this] { Poll(); });
    if (!ready) {
        if (failure_.isEmpty() && waiting_.elapsed() > kPatienceMs) {
            Fail(QStringLiteral("Waited in vain for %1").arg(Expected()));
        }
        if (!failure_.isEmpty() && window != nullptr) {
            window->activateWindow();
        }
        return;
    }
    if (!failure_.isEmpty()) {
        CloseAnyway(window);
        return;
    }
    // A step that waits (for a drop-down, say) lets the event loop run; the next steps of its
    // window wait for it to end. Windows it opens are played meanwhile.
    for (const QPointer<QWidget>& busy : busy_) {
        if (busy == window) {
            return;
        }
    }
    if (window != lastSeen_) {
        lastSeen_ = window;
        shown_.start();
    }
    const Step& step = steps_.front();
    if (!Matches(step, window)) {
        // A message nobody expected is a fault the user would see; so is a wrong window.
        if (qobject_cast<QMessageBox*>(window) != nullptr || shown_.elapsed() > kWrongWindowMs) {
            Fail(QStringLiteral("Expected %1, but %2 is shown").arg(Expected(), Describe(window)));
        }
        return;
    }
    if (shown_.elapsed() < pauseMs_) {
        return;
    }
    Act act = std::move(steps_.front().act);
    played_ << QStringLiteral("%1. %2").arg(played_.size() + 1).arg(Expected());
    steps_.pop_front();
    waiting_.start();
    shown_.start();
    busy_.push_back(window);
    act(window);
    busy_.pop_back();
}

QString CWalkDriver::Expected() const {
    if (steps_.empty()) {
        return QStringLiteral("nothing");
    }
    return Named(steps_.front().message, steps_.front().text);
}

void ClickOn(QWidget* window, int id) {
    auto* button = FindControl<QAbstractButton>(window, id);
    QVERIFY2(button != nullptr && button->isVisible() && button->isEnabled(),
             qPrintable(
                 QStringLiteral("no button %1 to click in %2").arg(id).arg(window->windowTitle())));
    QTest::mouseClick(button, Qt::LeftButton);
}

void TypeInto(QWidget* window, int id, const QString& text, int keyDelayMs) {
    auto* edit = FindControl<QLineEdit>(window, id);
    QVERIFY2(edit != nullptr && edit->isVisible(),
             qPrintable(QStringLiteral("no field %1 in %2").arg(id).arg(window->windowTitle())));
    QTest::mouseClick(edit, Qt::LeftButton);
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(edit, text, Qt::NoModifier, keyDelayMs);
}

void ClickLine(QWidget* window, int id, const QString& start) {
    auto* list = FindControl<QListWidget>(window, id);
    QVERIFY2(list != nullptr && list->isVisible(),
             qPrintable(QStringLiteral("no list %1 in %2").arg(id).arg(window->windowTitle())));
    const auto found = list->findItems(start, Qt::MatchStartsWith);
    QVERIFY2(!found.isEmpty(),
             qPrintable(QStringLiteral("no line \"%1\" in %2").arg(start, window->windowTitle())));
    list->scrollToItem(found.front());
    const Qt::KeyboardModifiers modifiers =
        list->selectionMode() == QAbstractItemView::SingleSelection ? Qt::NoModifier
                                                                    : Qt::ControlModifier;
    QTest::mouseClick(list->viewport(), Qt::LeftButton, modifiers,
                      list->visualItemRect(found.front()).center());
}

void TypeChoice(QWidget* window, int id, const QString& text, int keyDelayMs) {
    auto* box = FindControl<QComboBox>(window, id);
    QVERIFY2(box != nullptr && box->isVisible(),
             qPrintable(QStringLiteral("no box %1 in %2").arg(id).arg(window->windowTitle())));
    if (box->isEditable()) {
        // A person box: the first letters of the name scroll the drop-down to it, and the
        // name is clicked there; "<None>" and the like are found in the opened drop-down.
        QTest::mouseClick(box->lineEdit(), Qt::LeftButton);
        QTest::keyClick(box->lineEdit(), Qt::Key_A, Qt::ControlModifier);
        if (text.front().isLetter()) {
            QTest::keyClicks(box->lineEdit(), text.left(3), Qt::NoModifier, keyDelayMs);
        } else {
            QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(box->width() - 8, box->height() / 2));
        }
        QTRY_VERIFY(box->view()->isVisible());
        ClickDropDownLine(box, text);
    } else {
        QTest::mouseClick(box, Qt::LeftButton);
        QTRY_VERIFY(box->view()->isVisible());
        QTest::keyClicks(box->view(), text, Qt::NoModifier, keyDelayMs);
        QTest::keyClick(box->view(), Qt::Key_Return);
        GiveBackActivation(window);
    }
    QVERIFY2(
        box->currentText() == text,
        qPrintable(
            QStringLiteral("\"%1\" is shown instead of \"%2\"").arg(box->currentText(), text)));
}

void PressKey(QWidget* window, Qt::Key key, Qt::KeyboardModifiers modifiers) {
    QWidget* target = QApplication::focusWidget();
    QTest::keyClick(target != nullptr && target->window() == window ? target : window, key,
                    modifiers);
}
