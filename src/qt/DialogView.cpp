#include "qt/DialogView.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QVariant>

#include "dialogs/DialogModel.h"
#include "platform/Ui.h"
#include "qt/ButtonText.h"
#include "qt/QtText.h"

CDialogView::CDialogView(CDialogModel& model, CUi& ui, QWidget* parent)
    : QDialog(parent), model_(model), ui_(ui) {
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
}

void CDialogView::reject() {
    ReadForCancel();
    if (MayDiscardChanges(model_, ui_)) {
        done(IDCANCEL);
    }
}

void CDialogView::OnHelp() {
    ui_.OpenHelp(model_.HelpContext());
}

void CDialogView::SetSizeAndCentre(int width, int height) {
    setFixedSize(width, height);
    QRect area;
    if (parentWidget() != nullptr) {
        area = parentWidget()->window()->frameGeometry();
    } else if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        area = screen->availableGeometry();
    }
    if (area.isValid()) {
        move(area.center() - QPoint(width / 2, height / 2));
    }
}

void CDialogView::showEvent(QShowEvent* event) {
    for (QWidget* control : findChildren<QWidget*>()) {
        const QVariant id = control->property("controlId");
        if (id.isValid()) {
            const std::string tip = model_.ToolTipOf(id.toInt());
            if (!tip.empty()) {
                control->setToolTip(ToQt(tip));
            }
        }
    }
    FitButtonTexts(this);
    QDialog::showEvent(event);
}

void CDialogView::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1 && event->modifiers() == Qt::NoModifier) {
        OnHelp();
        return;
    }
    QDialog::keyPressEvent(event);
}
