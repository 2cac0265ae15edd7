#pragma once
// Helpers for the view tests: play the user in a modal dialog that the code under test opens,
// and save screenshots when TAVORIN_SCREENSHOT_DIR names a folder.
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPointer>
#include <QProgressDialog>
#include <QPushButton>
#include <QTextBrowser>
#include <QTimer>
#include <QWidget>
#include <QtTest>
#include <algorithm>
#include <functional>

#include "qt/ButtonText.h"
#include "qt/ControlNames.h"

// Once a new modal window is on top and active, `act` plays the user in it. Whatever `act` left
// open (a failed check returns early) is closed, so that a failure never hangs the test.
inline void WhenModalOpens(std::function<void(QWidget*)> act) {
    // Held weakly: a window opened after this one closed may take its address (Windows' heap
    // reuses it at once) and must still count as new.
    QPointer<QWidget> before = QApplication::activeModalWidget();
    auto* timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, before, act] {
        QWidget* modal = QApplication::activeModalWidget();
        // A progress window of long work is no window the user answers.
        const bool opened = modal != nullptr && modal != before.data() && modal->isVisible() &&
                            qobject_cast<QProgressDialog*>(modal) == nullptr;
        if (opened && QApplication::activeWindow() == modal) {
            timer->stop();
            timer->deleteLater();
            QPointer<QWidget> window(modal);
            act(modal);
            if (window && window->isVisible()) {
                window->close();
            }
        }
    });
    timer->start();
}

// The text of the message box that opens next; it is closed with OK.
inline void CloseNextMessageBox(QString* text) {
    WhenModalOpens([text](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        *text = box != nullptr ? box->text() : QStringLiteral("<not a message box>");
        if (box != nullptr) {
            box->accept();
        } else {
            modal->close();
        }
    });
}

// The controls the user sees, each checked whole and apart from the others.
inline void CheckNothingCutOrOverlapping(QWidget* view) {
    QList<QWidget*> controls;
    for (QWidget* child : view->findChildren<QWidget*>()) {
        if (child->isVisible() &&
            (qobject_cast<QLabel*>(child) || qobject_cast<QLineEdit*>(child) ||
             qobject_cast<QComboBox*>(child) || qobject_cast<QListWidget*>(child) ||
             qobject_cast<QPushButton*>(child))) {
            controls << child;
        }
    }
    for (QWidget* control : controls) {
        const QString name = control->objectName() + QLatin1Char(' ') +
                             (qobject_cast<QLabel*>(control) ? static_cast<QLabel*>(control)->text()
                                                             : control->accessibleName());
        // A list is whole when one line of it shows; its least size in Windows' style asks for
        // room for a full scroll bar.
        const auto* list = qobject_cast<QListWidget*>(control);
        const QSize least =
            list != nullptr ? QSize(list->minimumSizeHint().width(),
                                    std::min(list->minimumSizeHint().height(),
                                             list->fontMetrics().height() + 2 * list->frameWidth()))
                            : control->minimumSizeHint();
        QVERIFY2(control->width() >= least.width() && control->height() >= least.height(),
                 qPrintable(QStringLiteral("cut off: %1 (%2x%3, needs %4x%5)")
                                .arg(name)
                                .arg(control->width())
                                .arg(control->height())
                                .arg(least.width())
                                .arg(least.height())));
        if (const auto* button = qobject_cast<QPushButton*>(control)) {
            QVERIFY2(ButtonTextWidth(button) <= button->width(),
                     qPrintable(QStringLiteral("text cut off: ") + button->text()));
        }
        const QRect place(control->mapTo(view, QPoint(0, 0)), control->size());
        QVERIFY2(view->rect().contains(place), qPrintable(QStringLiteral("outside: ") + name));
        for (QWidget* other : controls) {
            if (other != control && !control->isAncestorOf(other) &&
                !other->isAncestorOf(control)) {
                const QRect otherPlace(other->mapTo(view, QPoint(0, 0)), other->size());
                QVERIFY2(!place.intersects(otherPlace),
                         qPrintable(QStringLiteral("overlapping: ") + name + QStringLiteral(" / ") +
                                    other->objectName()));
            }
        }
    }
}

// The text of the help window when it is on screen, else nullptr.
inline QTextBrowser* ShownHelp() {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->objectName() == QLatin1String("helpWindow") && window->isVisible()) {
            return window->findChild<QTextBrowser*>(QStringLiteral("helpText"));
        }
    }
    return nullptr;
}

inline void SavePicture(const QPixmap& picture, const QString& name) {
    const QString folder = qEnvironmentVariable("TAVORIN_SCREENSHOT_DIR");
    if (!folder.isEmpty()) {
        QDir().mkpath(folder);
        picture.save(folder + QLatin1Char('/') + name + QStringLiteral(".png"));
    }
}

inline void SaveScreenshot(QWidget* widget, const QString& name) {
    SavePicture(widget->grab(), name);
}

// Types `text` into the edit field `id` of `dialog` in place of what it held.
inline void TypeInField(QWidget* dialog, int id, const QString& text) {
    auto* edit = FindControl<QLineEdit>(dialog, id);
    QVERIFY(edit != nullptr);
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, text);
}

inline void ClickControl(QWidget* dialog, int id) {
    auto* button = FindControl<QAbstractButton>(dialog, id);
    QVERIFY(button != nullptr);
    button->click();
}

// The texts of a list's lines, top to bottom.
inline QStringList ListLines(const QListWidget* list) {
    QStringList lines;
    for (int row = 0; list != nullptr && row < list->count(); ++row) {
        lines << list->item(row)->text();
    }
    return lines;
}

inline QStringList ListLines(const QWidget* dialog, int id) {
    return ListLines(FindControl<QListWidget>(dialog, id));
}

// A stand-in for the e-mail program at `path`: it writes its arguments to `recorded`, one per
// line, and reports success. On Windows it is the program built beside the tests, copied to
// `path` with ".exe", which the program finds as Windows does.
inline void WriteRecordingMailer(const QString& path, const QString& recorded) {
#ifdef _WIN32
    const QString program = path + QStringLiteral(".exe");
    QFile::remove(program);
    QVERIFY(QFile::copy(
        QCoreApplication::applicationDirPath() + QStringLiteral("/recording-mailer.exe"), program));
    qputenv("TAVORIN_RECORDED_ARGUMENTS", QDir::toNativeSeparators(recorded).toLocal8Bit());
#else
    QFile script(path);
    QVERIFY(script.open(QIODevice::WriteOnly));
    script.write("#!/bin/sh\nfor a in \"$@\"; do printf '%s\\n' \"$a\"; done > \"" +
                 recorded.toLocal8Bit() + "\"\n");
    script.close();
    script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
#endif
}

inline QByteArray ReadFileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline void WriteFileBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY2(file.open(QIODevice::WriteOnly), qPrintable(path));
    file.write(bytes);
}

// The smallest competition, "Spring Open", as the setup file Spring.stu in `folder`.
inline void WriteSpringSetup(const QString& folder) {
    WriteFileBytes(folder + QStringLiteral("/Spring.stu"),
                   "stu|1|Spring Open|org@example.org|S|S|S|1\r\n");
}

// Copies files of the sample competition in examples/ into `folder`.
inline void CopyExamples(const QString& folder, const QStringList& names) {
    for (const QString& name : names) {
        QVERIFY2(QFile::copy(QStringLiteral(TAVORIN_SOURCE_DIR "/../examples/") + name,
                             folder + QLatin1Char('/') + name),
                 qPrintable(name));
    }
}

// Without a window manager (offscreen, a bare X server) nobody gives the activation back to a
// window whose drop-down has closed.
inline void GiveBackActivation(QWidget* window) {
    QTRY_VERIFY(QApplication::activePopupWidget() == nullptr);
    window->activateWindow();
    QTRY_VERIFY(QApplication::activeWindow() == window);
}

// Clicks the line `text` in the open drop-down of `box`, as a user does.
inline void ClickDropDownLine(QComboBox* box, const QString& text) {
    QAbstractItemView* lines = box->view();
    const QModelIndex line = box->model()->index(box->findText(text), 0);
    QVERIFY2(line.isValid(),
             qPrintable(QStringLiteral("no line \"%1\" in the drop-down").arg(text)));
    lines->scrollTo(line);
    // A release right after the drop-down opened is taken as the end of the press that opened
    // it; a user's click comes later.
    QTest::qWait(QApplication::doubleClickInterval() + 50);
    QTest::mouseClick(lines->viewport(), Qt::LeftButton, {}, lines->visualRect(line).center());
    GiveBackActivation(box->window());
}
