#include "platform/qt/QtUi.h"

#include <QApplication>
#include <QMessageBox>

#include "platform/DialogModel.h"
#include "platform/qt/DialogViewRegistry.h"
#include "platform/qt/HelpWindow.h"
#include "platform/qt/QtText.h"

QString MessageBoxCaption() {
    const QString name = QApplication::applicationDisplayName();
    return name.isEmpty() ? QStringLiteral("Tavorin") : name;
}

QWidget* CQtUi::CurrentParent() {
    if (QWidget* modal = QApplication::activeModalWidget()) {
        return modal;
    }
    return QApplication::activeWindow();
}

void CQtUi::ShowMessage(const std::string& text) {
    QMessageBox box(QMessageBox::Warning, MessageBoxCaption(), MessageToQt(text), QMessageBox::Ok,
                    CurrentParent());
    box.exec();
}

bool CQtUi::AskYesNo(const std::string& text) {
    QMessageBox box(QMessageBox::Question, MessageBoxCaption(), MessageToQt(text),
                    QMessageBox::Yes | QMessageBox::No, CurrentParent());
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

void CQtUi::BeginWaitCursor() {
    ++waitDepth_;
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

void CQtUi::EndWaitCursor() {
    if (waitDepth_ > 0) {
        --waitDepth_;
        QApplication::restoreOverrideCursor();
    }
}

int CQtUi::RunDialog(CDialogModel& model) {
    auto view = CreateDialogView(model, *this, CurrentParent());
    if (!view) {
        ShowMessage("This part of the program is not available in this version (dialog " +
                    std::to_string(model.ResourceId()) + ").");
        return IDCANCEL;
    }
    // A dialog waits for the user: no wait cursor over it.
    const int hiddenWaits = waitDepth_;
    for (int i = 0; i < hiddenWaits; ++i) {
        QApplication::restoreOverrideCursor();
    }
    const int result = view->exec();
    for (int i = 0; i < hiddenWaits; ++i) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
    }
    return result;
}

void CQtUi::OpenHelp(unsigned context) {
    ShowHelpTopic(context, CurrentParent());
}
