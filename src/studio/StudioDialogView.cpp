#include "studio/StudioDialogView.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/Ui.h"
#include "qt/ControlNames.h"
#include "qt/EnterKeyFilter.h"
#include "qt/FieldTextValidator.h"
#include "qt/QtText.h"
#include "studio/StudioDialog.h"

namespace {

const CStudioDialog::Field& FieldOf(int id) {
    for (const auto& field : CStudioDialog::Fields()) {
        if (field.id == id) {
            return field;
        }
    }
    return CStudioDialog::Fields().front();
}

QLabel* MakeLabel(const char* text, QWidget* parent) {
    auto* label = new QLabel(QString::fromLatin1(text), parent);
    label->setWordWrap(true);
    return label;
}

}  // namespace

CStudioDialogView::CStudioDialogView(CStudioDialog& model, CUi& ui, QWidget* parent)
    : CDialogView(model, ui, parent), model_(model) {
    setWindowTitle(QString::fromLatin1(CStudioDialog::kTitle));
    auto* page = new QVBoxLayout(this);

    // The names: each prompt is a sentence, so it stands above its field.
    const std::pair<int, const char*> names[] = {
        {CStudioDialog::kNameId, "CStudioDialog::kNameId"},
        {CStudioDialog::kNameAgainId, "CStudioDialog::kNameAgainId"},
        {CStudioDialog::kInvoiceNameId, "CStudioDialog::kInvoiceNameId"},
        {CStudioDialog::kInvoiceNameAgainId, "CStudioDialog::kInvoiceNameAgainId"},
    };
    for (const auto& [id, constant] : names) {
        auto* label = MakeLabel(FieldOf(id).label, this);
        QLineEdit* edit = AddField(id, constant, label);
        page->addWidget(label);
        page->addWidget(edit);
        edit->setEnabled(model_.nameEditable);
    }

    independent_ = new QCheckBox(QString::fromLatin1(CStudioDialog::kIndependentLabel), this);
    TAVORIN_NAME_CONTROL(independent_, CStudioDialog::kIndependentId, independent_->text());
    independent_->setChecked(model_.independent);
    page->addSpacing(Units().Y(4));
    page->addWidget(independent_);
    page->addSpacing(Units().Y(4));

    auto* address = new QFormLayout;
    address->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
    const std::pair<int, const char*> lines[] = {
        {CStudioDialog::kAddress1Id, "CStudioDialog::kAddress1Id"},
        {CStudioDialog::kAddress2Id, "CStudioDialog::kAddress2Id"},
        {CStudioDialog::kCityId, "CStudioDialog::kCityId"},
        {CStudioDialog::kStateId, "CStudioDialog::kStateId"},
        {CStudioDialog::kZipId, "CStudioDialog::kZipId"},
        {CStudioDialog::kCountryId, "CStudioDialog::kCountryId"},
        {CStudioDialog::kPhoneId, "CStudioDialog::kPhoneId"},
        {CStudioDialog::kFaxId, "CStudioDialog::kFaxId"},
        {CStudioDialog::kEmailId, "CStudioDialog::kEmailId"},
    };
    for (const auto& [id, constant] : lines) {
        auto* label = new QLabel(QString::fromLatin1(FieldOf(id).label), this);
        QLineEdit* edit = AddField(id, constant, label);
        if (id == CStudioDialog::kCountryId) {
            // The hint stands beside the field it is about.
            auto* row = new QHBoxLayout;
            row->addWidget(edit, 1);
            auto* hint = new QLabel(QString::fromLatin1(CStudioDialog::kCountryHint), this);
            hint->setObjectName(QStringLiteral("countryHint"));
            row->addWidget(hint);
            address->addRow(label, row);
        } else {
            address->addRow(label, edit);
        }
    }
    page->addLayout(address);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    TAVORIN_NAME_CONTROL(ok, CStudioDialog::kOkId, ok->text());
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    TAVORIN_NAME_CONTROL(cancel, CStudioDialog::kCancelId, cancel->text());
    auto* help = new QPushButton(QStringLiteral("Help"), this);
    TAVORIN_NAME_CONTROL(help, CStudioDialog::kHelpId, help->text());
    for (QPushButton* button : {ok, cancel, help}) {
        button->setMinimumWidth(Units().X(50));
        buttons->addWidget(button);
    }
    cancel->setAutoDefault(false);
    help->setAutoDefault(false);
    if (model_.nameEditable) {
        // A new studio may take its data from another competition's studio data file.
        auto* copyFrom = new QPushButton(QStringLiteral("Copy from..."), this);
        TAVORIN_NAME_CONTROL(copyFrom, CStudioDialog::kCopyFromId, copyFrom->text());
        copyFrom->setAutoDefault(false);
        copyFrom->setProperty(CEnterKeyFilter::kPassedByEnterProperty, true);
        buttons->insertWidget(0, copyFrom);
        // Tab reaches it where it stands: after the last field, before OK; Enter from the last
        // field goes on to OK.
        setTabOrder(edits_.at(CStudioDialog::kEmailId), copyFrom);
        connect(copyFrom, &QPushButton::clicked, this, [this] {
            // What was typed stays when the user cancels the file dialog.
            ReadFields();
            model_.OnCopyFrom();
            for (const auto& field : CStudioDialog::Fields()) {
                edits_.at(field.id)->setText(ToQt(model_.TextOf(field)));
            }
            independent_->setChecked(model_.independent);
        });
    }
    page->addSpacing(Units().Y(4));
    page->addLayout(buttons);

    connect(ok, &QPushButton::clicked, this, &CStudioDialogView::accept);
    connect(cancel, &QPushButton::clicked, this, &CStudioDialogView::reject);
    connect(help, &QPushButton::clicked, this, [this] { OnHelp(); });

    // Wide enough for the longest prompt on two lines.
    setMinimumWidth(Units().X(300));
    adjustSize();
    setFixedSize(sizeHint());
    QWidget* first = model_.nameEditable ? edits_.at(CStudioDialog::kNameId)
                                         : edits_.at(CStudioDialog::kAddress1Id);
    first->setFocus();
}

QLineEdit* CStudioDialogView::AddField(int id, const char* constantName, QLabel* label) {
    auto* edit = new QLineEdit(ToQt(model_.TextOf(FieldOf(id))), this);
    NameControl(edit, constantName, id, label);
    edit->setMaxLength(model_.Limit(FieldOf(id)));
    RefuseFieldSeparators(edit);
    edits_[id] = edit;
    return edit;
}

void CStudioDialogView::ReadFields() {
    for (const auto& field : CStudioDialog::Fields()) {
        model_.TextOf(field) = FromQt(edits_.at(field.id)->text());
    }
    model_.independent = independent_->isChecked();
}

void CStudioDialogView::accept() {
    ReadFields();
    if (model_.OnOK()) {
        done(IDOK);
    }
}
