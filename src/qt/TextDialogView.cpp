#include "qt/TextDialogView.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>

#include "dialogs/TextDialog.h"
#include "platform/Ui.h"
#include "qt/ControlNames.h"
#include "qt/EnterKeyFilter.h"
#include "qt/FieldTextValidator.h"
#include "qt/PixelDialogFont.h"
#include "qt/QtText.h"

int CTextDialogView::TextAreaWidth(int maxLength) {
    return static_cast<int>(std::min(10LL * std::max(maxLength, 0) + 10, 500LL));
}

CTextDialogView::CTextDialogView(CTextDialog& model, CUi& ui, QWidget* parent)
    : CDialogView(model, ui, parent), model_(model) {
    // Enter here presses OK: the one-line answer is complete.
    setProperty(CEnterKeyFilter::kOwnEnterKeyProperty, true);
    setFont(PixelDialogFont());
    setWindowTitle(ToQt(model_.caption));

    const int a = TextAreaWidth(model_.maxLength);
    const bool withHelp = model_.helpContext != 0;
    const QString promptText = model_.fieldLabel.empty() ? windowTitle() : ToQt(model_.fieldLabel);
    // The prompt stands above the field: the title bar may cut a short dialog's title.
    const int width = std::max(
        {a + (withHelp ? 199 : 135), fontMetrics().horizontalAdvance(promptText) + 8,
         std::max(kMinimumWidth, fontMetrics().horizontalAdvance(windowTitle()) + kTitleBarExtra)});
    auto* prompt = new QLabel(promptText, this);
    prompt->setGeometry(2, 2, width - 4, kPromptHeight - 4);
    edit_ = new QLineEdit(this);
    TAVORIN_NAME_CONTROL(edit_, CTextDialog::kEditId, prompt);
    if (model_.Limit() > 0) {
        edit_->setMaxLength(model_.Limit());
    }
    // Comments go into the studio data file, so nothing typed may break its lines.
    RefuseFieldSeparators(edit_);
    edit_->setText(ToQt(model_.text));
    edit_->selectAll();
    edit_->setGeometry(0, kPromptHeight + 2, a + 2, 20);
    connect(edit_, &QLineEdit::textEdited, this, &CTextDialogView::OnTextEdited);

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    NameControl(ok, "IDOK", IDOK, ok->text());
    ok->setDefault(true);
    ok->setGeometry(a + 4, kPromptHeight + 2, 60, 20);
    connect(ok, &QPushButton::clicked, this, &CTextDialogView::accept);

    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    NameControl(cancel, "IDCANCEL", IDCANCEL, cancel->text());
    cancel->setAutoDefault(false);
    cancel->setGeometry(a + 68, kPromptHeight + 2, 60, 20);
    connect(cancel, &QPushButton::clicked, this, &CTextDialogView::reject);

    if (withHelp) {
        auto* help = new QPushButton(QStringLiteral("Help"), this);
        NameControl(help, "IDHELP", kHelpButtonId, help->text());
        help->setAutoDefault(false);
        help->setGeometry(a + 132, kPromptHeight + 2, 60, 20);
        connect(help, &QPushButton::clicked, this, [this] { Ui().OpenHelp(model_.helpContext); });
    }

    SetSizeAndCentre(width, kPromptHeight + 50);
    edit_->setFocus();
}

void CTextDialogView::OnTextEdited(const QString& text) {
    if (model_.mode != 'U' && model_.mode != 'L') {
        return;
    }
    // Letters change case as they are typed, as an upper- or lower-case edit does.
    const int cursor = edit_->cursorPosition();
    model_.SetText(FromQt(text));
    const QString shown = ToQt(model_.text);
    if (shown != text) {
        edit_->setText(shown);
        edit_->setCursorPosition(cursor);
    }
}

void CTextDialogView::accept() {
    model_.SetText(FromQt(edit_->text()));
    done(IDOK);
}
