#include "entries/EntryTypeDialogView.h"

#include <algorithm>
#include <vector>

#include <QButtonGroup>
#include <QCollator>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "entries/EntryTypeDialog.h"
#include "platform/Ui.h"
#include "qt/ControlNames.h"
#include "qt/ListSearchKeys.h"
#include "qt/QtText.h"

namespace {

// The item data of a list line: the line's position in the model's list.
constexpr int kModelLineRole = Qt::UserRole;

// The constant behind each type button's id, for its object name.
const std::map<int, const char*> kTypeButtonNames = {
    {CEntryTypeDialog::kAdultLadyId, "CEntryTypeDialog::kAdultLadyId"},
    {CEntryTypeDialog::kAdultGentlemanId, "CEntryTypeDialog::kAdultGentlemanId"},
    {CEntryTypeDialog::kYouthLadyId, "CEntryTypeDialog::kYouthLadyId"},
    {CEntryTypeDialog::kYouthGentlemanId, "CEntryTypeDialog::kYouthGentlemanId"},
    {CEntryTypeDialog::kAdultAmateurId, "CEntryTypeDialog::kAdultAmateurId"},
    {CEntryTypeDialog::kYouthAmateurId, "CEntryTypeDialog::kYouthAmateurId"},
    {CEntryTypeDialog::kProfessionalId, "CEntryTypeDialog::kProfessionalId"},
    {CEntryTypeDialog::kGroupId, "CEntryTypeDialog::kGroupId"},
};

QLabel* MakeLabel(const char* text, QWidget* parent) {
    auto* label = new QLabel(QString::fromLatin1(text), parent);
    label->setWordWrap(true);
    return label;
}

QPushButton* MakeButton(const char* text, QWidget* parent) {
    auto* button = new QPushButton(QString::fromLatin1(text), parent);
    button->setAutoDefault(false);
    return button;
}

}  // namespace

CEntryTypeDialogView::CEntryTypeDialogView(CEntryTypeDialog& model, CUi& ui, QWidget* parent)
    : CDialogView(model, ui, parent), model_(model) {
    setWindowTitle(QString::fromLatin1(CEntryTypeDialog::kTitle));
    auto* page = new QHBoxLayout(this);

    // Left: (1) the type, (2) the category, and the two ways out.
    auto* choice = new QVBoxLayout;
    auto* first = MakeLabel(CEntryTypeDialog::kFirstStepText, this);
    choice->addWidget(first);
    auto* group = new QGroupBox(QString::fromLatin1(CEntryTypeDialog::kTypeGroupText), this);
    auto* grid = new QGridLayout(group);
    auto* buttons = new QButtonGroup(this);
    int row = 0;
    for (const auto& type : CEntryTypeDialog::TypeButtons()) {
        auto* radio = new QRadioButton(QString::fromLatin1(type.text), group);
        NameControl(radio, kTypeButtonNames.at(type.id), type.id, radio->text());
        radio->setChecked(model_.entryType == type.type);
        radio->setEnabled(model_.IsTypeEnabled(type.type));
        buttons->addButton(radio, type.id);
        // Two columns: the pro/am types, then the couples and groups.
        grid->addWidget(radio, row % 4, row / 4);
        ++row;
        types_[type.type] = radio;
        const char letter = type.type;
        // Toggled rather than clicked: the arrow keys move the mark within the group too.
        connect(radio, &QRadioButton::toggled, this, [this, letter](bool marked) {
            if (marked) {
                model_.OnTypeClicked(letter);
                ShowCategories();
            }
            ShowTypeTabStop();
        });
    }
    choice->addWidget(group);
    auto* second = MakeLabel(CEntryTypeDialog::kSecondStepText, this);
    choice->addWidget(second);
    categories_ = new QListWidget(this);
    TAVORIN_NAME_CONTROL(categories_, CEntryTypeDialog::kCategoriesId, second);
    categories_->setMinimumHeight(Units().Y(90));
    choice->addWidget(categories_, 1);
    auto* ok = MakeButton(CEntryTypeDialog::kOkText, this);
    TAVORIN_NAME_CONTROL(ok, CEntryTypeDialog::kOkId, ok->text());
    auto* cancel = MakeButton(CEntryTypeDialog::kCancelText, this);
    TAVORIN_NAME_CONTROL(cancel, CEntryTypeDialog::kCancelId, cancel->text());
    auto* ends = new QHBoxLayout;
    ends->addWidget(ok);
    ends->addWidget(cancel);
    choice->addLayout(ends);
    page->addLayout(choice, 3);

    // Right: the studios and persons whose forms can be opened, and Help.
    auto* people = new QVBoxLayout;
    auto* personsLabel = MakeLabel(CEntryTypeDialog::kPersonsLabel, this);
    people->addWidget(personsLabel);
    persons_ = new QListWidget(this);
    TAVORIN_NAME_CONTROL(persons_, CEntryTypeDialog::kPersonsId, personsLabel);
    people->addWidget(persons_, 1);
    auto* viewForms = MakeButton(CEntryTypeDialog::kViewFormsText, this);
    TAVORIN_NAME_CONTROL(viewForms, CEntryTypeDialog::kViewFormsId, viewForms->text());
    people->addWidget(viewForms);
    auto* help = MakeButton("Help", this);
    TAVORIN_NAME_CONTROL(help, CEntryTypeDialog::kHelpId, help->text());
    people->addWidget(help);
    page->addLayout(people, 2);
    personsLabel->setVisible(!model_.hidePersons);
    persons_->setVisible(!model_.hidePersons);
    viewForms->setVisible(!model_.hidePersons);

    connect(ok, &QPushButton::clicked, this, &CEntryTypeDialogView::accept);
    connect(cancel, &QPushButton::clicked, this, &CEntryTypeDialogView::reject);
    connect(help, &QPushButton::clicked, this, [this] { model_.OnHelp(); });
    connect(categories_, &QListWidget::itemDoubleClicked, this, &CEntryTypeDialogView::accept);
    connect(categories_, &QListWidget::itemSelectionChanged, this, [this] {
        const QList<QListWidgetItem*> selected = categories_->selectedItems();
        model_.categories.SetCurSel(selected.isEmpty() ? -1 : categories_->row(selected.front()));
    });
    connect(persons_, &QListWidget::itemSelectionChanged, this,
            &CEntryTypeDialogView::ReadPersonSelection);
    const auto viewFormsOfSelection = [this] {
        model_.OnViewForms();
        ShowPersons();
    };
    connect(viewForms, &QPushButton::clicked, this, viewFormsOfSelection);
    connect(persons_, &QListWidget::itemDoubleClicked, this, viewFormsOfSelection);
    AttachListSearch(persons_, ui);

    // The tab order follows the dialog from top to bottom, the left side first.
    QWidget* order[] = {types_['F'], types_['M'], types_['f'], types_['m'], types_['A'],
                        types_['a'], types_['P'], types_['G'], categories_, ok,
                        cancel,      persons_,    viewForms,   help};
    for (size_t i = 0; i + 1 < std::size(order); ++i) {
        setTabOrder(order[i], order[i + 1]);
    }

    ShowCategories();
    ShowPersons();
    ShowTypeTabStop();
    setMinimumWidth(Units().X(330));
    adjustSize();
    setFixedSize(sizeHint());
    categories_->setFocus();
}

void CEntryTypeDialogView::ShowTypeTabStop() {
    // The type buttons are one stop of the Tab key, at the marked type (or the first that can be
    // marked); the arrow keys move within them.
    QRadioButton* stop = nullptr;
    for (const auto& button : CEntryTypeDialog::TypeButtons()) {
        QRadioButton* radio = types_.at(button.type);
        if (radio->isChecked() || (stop == nullptr && radio->isEnabled())) {
            stop = radio;
        }
    }
    for (const auto& [type, radio] : types_) {
        radio->setFocusPolicy(radio == stop ? Qt::StrongFocus : Qt::ClickFocus);
    }
}

void CEntryTypeDialogView::ShowCategories() {
    const QSignalBlocker block(categories_);
    categories_->clear();
    for (const auto& line : model_.categories.Items()) {
        categories_->addItem(ToQt(line.text));
    }
    categories_->setCurrentRow(model_.categories.GetCurSel());
}

void CEntryTypeDialogView::ShowPersons() {
    const QSignalBlocker block(persons_);
    persons_->clear();
    // The list sorts its lines itself, as the user's desktop sorts names.
    const auto& lines = model_.persons.Items();
    std::vector<int> order(lines.size());
    for (size_t i = 0; i < order.size(); ++i) {
        order[i] = static_cast<int>(i);
    }
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        return collator.compare(ToQt(lines[static_cast<size_t>(a)].text),
                                ToQt(lines[static_cast<size_t>(b)].text)) < 0;
    });
    for (const int line : order) {
        auto* item = new QListWidgetItem(ToQt(lines[static_cast<size_t>(line)].text), persons_);
        item->setData(kModelLineRole, line);
        if (lines[static_cast<size_t>(line)].selected) {
            persons_->setCurrentItem(item);
            item->setSelected(true);
        }
    }
}

void CEntryTypeDialogView::ReadPersonSelection() {
    const QList<QListWidgetItem*> selected = persons_->selectedItems();
    model_.persons.SetCurSel(selected.isEmpty() ? -1
                                                : selected.front()->data(kModelLineRole).toInt());
}

void CEntryTypeDialogView::accept() {
    if (model_.OnOK()) {
        done(IDOK);
    }
}
