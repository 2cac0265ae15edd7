#include "persons/PersonDialogView.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "persons/PersonDialog.h"
#include "platform/Ui.h"
#include "qt/ControlNames.h"
#include "qt/FieldTextValidator.h"
#include "qt/ListWidgets.h"
#include "qt/QtText.h"

namespace {

// The edit fields' constants, for their object names.
const std::map<int, const char*>& FieldConstants() {
    static const std::map<int, const char*> names{
        {CPersonDialog::kLastNameId, "CPersonDialog::kLastNameId"},
        {CPersonDialog::kFirstNameId, "CPersonDialog::kFirstNameId"},
        {CPersonDialog::kNicknameId, "CPersonDialog::kNicknameId"},
        {CPersonDialog::kNoteToMCId, "CPersonDialog::kNoteToMCId"},
        {CPersonDialog::kSSNumberId, "CPersonDialog::kSSNumberId"},
        {CPersonDialog::kMemberNumberId, "CPersonDialog::kMemberNumberId"},
    };
    return names;
}

QPushButton* MakeButton(const char* text, QWidget* parent) {
    auto* button = new QPushButton(QString::fromLatin1(text), parent);
    button->setAutoDefault(false);
    return button;
}

}  // namespace

CPersonDialogView::CPersonDialogView(CPersonDialog& model, CUi& ui, QWidget* parent)
    : CDialogView(model, ui, parent), model_(model) {
    setWindowTitle(QString::fromLatin1(CPersonDialog::kTitle));
    // Widgets are made in the order the keyboard visits them.
    QList<QWidget*> tabOrder;

    // Left: the person's own data under the note on required fields.
    auto* left = new QVBoxLayout;
    auto* required = new QLabel(QString::fromLatin1(CPersonDialog::kRequiredNote), this);
    required->setObjectName(QStringLiteral("requiredNote"));
    left->addWidget(required);
    auto* form = new QFormLayout;
    form->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
    const auto addField = [&](const CPersonDialog::Field& field) {
        auto* label = new QLabel(QString::fromLatin1(field.label), this);
        auto* edit = new QLineEdit(this);
        NameControl(edit, FieldConstants().at(field.id), field.id, label);
        edit->setMaxLength(model_.Limit(field));
        RefuseFieldSeparators(edit, QString::fromLatin1(field.refused));
        edit->setText(ToQt(model_.TextOf(field)));
        edit->setMinimumWidth(Units().X(field.maxLength > 20 ? 130 : 70));
        edits_[field.id] = edit;
        form->addRow(label, edit);
        tabOrder << edit;
    };
    const auto& fields = CPersonDialog::Fields();
    // The type follows the note to MC; the numbers come after it.
    for (std::size_t i = 0; i < 4; ++i) {
        addField(fields[i]);
    }
    auto* typeLabel = new QLabel(QString::fromLatin1(CPersonDialog::kTypeLabel), this);
    type_ = new QComboBox(this);
    TAVORIN_NAME_CONTROL(type_, CPersonDialog::kTypeId, typeLabel);
    for (const auto& line : model_.types.Items()) {
        type_->addItem(ToQt(line.text));
    }
    type_->setCurrentIndex(model_.types.GetCurSel());
    form->addRow(typeLabel, type_);
    tabOrder << type_;
    for (std::size_t i = 4; i < fields.size(); ++i) {
        addField(fields[i]);
    }
    left->addLayout(form);
    left->addStretch(1);

    // Right: roommates, meal preference, comments.
    auto* right = new QVBoxLayout;
    // Wide enough for a whole comment, tall enough for a few lines without scrolling.
    const int listWidth = fontMetrics().averageCharWidth() * (CPersonDialog::kCommentLength + 4);
    const auto addListBox = [&](const char* title, QListWidget*& list, int lines) {
        auto* box = new QGroupBox(QString::fromLatin1(title), this);
        list = new QListWidget(box);
        list->setSelectionMode(QAbstractItemView::SingleSelection);
        list->setFixedSize(listWidth,
                           fontMetrics().lineSpacing() * lines + 2 * list->frameWidth() + 4);
        auto* inside = new QVBoxLayout(box);
        inside->addWidget(list);
        auto* row = new QHBoxLayout;
        inside->addLayout(row);
        right->addWidget(box);
        tabOrder << list;
        return row;
    };
    QHBoxLayout* roommateButtons = addListBox(CPersonDialog::kRoommatesLabel, roommates_, 5);
    TAVORIN_NAME_CONTROL(roommates_, CPersonDialog::kRoommatesId,
                         QString::fromLatin1(CPersonDialog::kRoommatesLabel));
    auto* roommateAdd = MakeButton("Add", this);
    TAVORIN_NAME_CONTROL(roommateAdd, CPersonDialog::kRoommateAddId, roommateAdd->text());
    auto* roommateDelete = MakeButton("Delete", this);
    TAVORIN_NAME_CONTROL(roommateDelete, CPersonDialog::kRoommateDeleteId, roommateDelete->text());
    roommateButtons->addWidget(roommateAdd);
    roommateButtons->addWidget(roommateDelete);
    roommateButtons->addStretch(1);
    tabOrder << roommateAdd << roommateDelete;

    auto* mealRow = new QHBoxLayout;
    auto* mealLabel = new QLabel(QString::fromLatin1(CPersonDialog::kMealPreferenceLabel), this);
    meal_ = new QLineEdit(ToQt(model_.mealPreference), this);
    TAVORIN_NAME_CONTROL(meal_, CPersonDialog::kMealPreferenceId, mealLabel);
    meal_->setMaxLength(1);
    meal_->setFixedWidth(Units().X(20));
    mealRow->addWidget(mealLabel);
    mealRow->addWidget(meal_);
    mealRow->addStretch(1);
    right->addLayout(mealRow);
    tabOrder << meal_;
    // Letters turn to upper case as they are typed.
    connect(meal_, &QLineEdit::textEdited, this, [this](const QString& typed) {
        meal_->setText(ToQt(CPersonDialog::MealPreferenceText(FromQt(typed))));
    });

    QHBoxLayout* commentButtons = addListBox(CPersonDialog::kCommentsLabel, comments_, 6);
    TAVORIN_NAME_CONTROL(comments_, CPersonDialog::kCommentsId,
                         QString::fromLatin1(CPersonDialog::kCommentsLabel));
    auto* commentAdd = MakeButton("Add", this);
    TAVORIN_NAME_CONTROL(commentAdd, CPersonDialog::kCommentAddId, commentAdd->text());
    auto* commentEdit = MakeButton("Edit", this);
    TAVORIN_NAME_CONTROL(commentEdit, CPersonDialog::kCommentEditId, commentEdit->text());
    auto* commentDelete = MakeButton("Delete", this);
    TAVORIN_NAME_CONTROL(commentDelete, CPersonDialog::kCommentDeleteId, commentDelete->text());
    for (QPushButton* button : {commentAdd, commentEdit, commentDelete}) {
        commentButtons->addWidget(button);
        tabOrder << button;
    }
    commentButtons->addStretch(1);
    right->addStretch(1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    auto* ok = MakeButton("OK", this);
    TAVORIN_NAME_CONTROL(ok, CPersonDialog::kOkId, ok->text());
    ok->setDefault(true);
    auto* cancel = MakeButton("Cancel", this);
    TAVORIN_NAME_CONTROL(cancel, CPersonDialog::kCancelId, cancel->text());
    auto* help = MakeButton("Help", this);
    TAVORIN_NAME_CONTROL(help, CPersonDialog::kHelpId, help->text());
    for (QPushButton* button : {ok, cancel, help}) {
        button->setMinimumWidth(Units().X(50));
        buttons->addWidget(button);
        tabOrder << button;
    }

    auto* columns = new QHBoxLayout;
    columns->addLayout(left);
    columns->addSpacing(Units().X(8));
    columns->addLayout(right);
    auto* page = new QVBoxLayout(this);
    page->addLayout(columns);
    page->addSpacing(Units().Y(4));
    page->addLayout(buttons);
    for (qsizetype i = 1; i < tabOrder.size(); ++i) {
        setTabOrder(tabOrder[i - 1], tabOrder[i]);
    }

    connect(roommateAdd, &QPushButton::clicked, this,
            [this] { Run(&CPersonDialog::OnRoommateAdd); });
    connect(roommateDelete, &QPushButton::clicked, this,
            [this] { Run(&CPersonDialog::OnRoommateDelete); });
    connect(commentAdd, &QPushButton::clicked, this, [this] { Run(&CPersonDialog::OnCommentAdd); });
    connect(commentEdit, &QPushButton::clicked, this,
            [this] { Run(&CPersonDialog::OnCommentEdit); });
    connect(commentDelete, &QPushButton::clicked, this,
            [this] { Run(&CPersonDialog::OnCommentDelete); });
    connect(roommates_, &QListWidget::itemSelectionChanged, this,
            [this] { ReadList(roommates_, model_.roommates); });
    connect(comments_, &QListWidget::itemSelectionChanged, this,
            [this] { ReadList(comments_, model_.comments); });
    connect(ok, &QPushButton::clicked, this, &CPersonDialogView::accept);
    connect(cancel, &QPushButton::clicked, this, &CPersonDialogView::reject);
    connect(help, &QPushButton::clicked, this, [this] { OnHelp(); });

    ShowLists();
    adjustSize();
    setFixedSize(sizeHint());
    edits_.at(CPersonDialog::kLastNameId)->setFocus();
}

void CPersonDialogView::Run(void (CPersonDialog::*handler)()) {
    (model_.*handler)();
    ShowLists();
}

void CPersonDialogView::ShowLists() {
    RenderList(roommates_, model_.roommates);
    RenderList(comments_, model_.comments);
}

void CPersonDialogView::ReadFields() {
    for (const auto& field : CPersonDialog::Fields()) {
        model_.TextOf(field) = FromQt(edits_.at(field.id)->text());
    }
    model_.types.SetEditText(FromQt(type_->currentText()));
    model_.mealPreference = FromQt(meal_->text());
}

void CPersonDialogView::accept() {
    ReadFields();
    if (model_.OnOK()) {
        done(IDOK);
    }
}
