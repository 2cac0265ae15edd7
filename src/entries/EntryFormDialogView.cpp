#include "entries/EntryFormDialogView.h"

#include <algorithm>
#include <functional>
#include <vector>

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QShortcut>

#include "dialogs/ListModel.h"
#include "entries/EntryFormDialog.h"
#include "platform/Ui.h"
#include "qt/ControlNames.h"
#include "qt/FieldTextValidator.h"
#include "qt/ListWidgets.h"
#include "qt/PixelDialogFont.h"
#include "qt/QtText.h"
#include "qt/TypeAheadComboBox.h"

namespace {

using Form = CEntryFormDialog;

// The client area, and where each control usually stands (pixels). The form moves the dancer
// controls and the text box from here as its kind asks.
constexpr int kWidth = 610;
constexpr int kHeight = 370;
// The cost of the form, along the bottom, under the lists.
const QRect kCostLine{10, 350, 595, 16};
const std::map<int, QRect>& UsualPlaces() {
    static const std::map<int, QRect> places{
        {Form::kGentlemanLabelId, {5, 2, 180, 45}}, {Form::kLadyLabelId, {5, 48, 180, 45}},
        {Form::kCoachLabelId, {195, 48, 180, 45}},  {Form::kHintId, {435, 2, 170, 78}},
        {Form::kAddPersonId, {435, 82, 170, 24}},   {Form::kDancesLabelId, {10, 95, 60, 13}},
        {Form::kDancesId, {10, 110, 175, 235}},     {Form::kLevelsLabelId, {200, 95, 175, 13}},
        {Form::kLevelsId, {200, 110, 175, 100}},    {Form::kAgesLabelId, {200, 215, 175, 13}},
        {Form::kAgesId, {200, 230, 175, 115}},      {Form::kExitSaveId, {445, 130, 150, 24}},
        {Form::kNoDataId, {445, 180, 150, 21}},     {Form::kSameDancesId, {445, 203, 150, 21}},
        {Form::kSameCoupleId, {445, 226, 150, 21}}, {Form::kSameManId, {445, 249, 150, 21}},
        {Form::kSameLadyId, {445, 272, 150, 21}},   {Form::kCancelId, {435, 320, 82, 25}},
        {Form::kHelpId, {523, 320, 82, 25}},        {Form::kTextId, {5, 110, 175, 20}},
    };
    return places;
}
// A person box inside its labelling group box.
const QRect kBoxInGroup{7, 17, 166, 22};
const QRect kExitGroup{435, 112, 170, 190};
const QRect kNewFormText{445, 164, 150, 14};

QRect PlaceOf(const Form& model, int id) {
    const auto moved = model.placements.find(id);
    if (moved != model.placements.end()) {
        const CPixelRect& r = moved->second;
        return {r.x, r.y, r.width, r.height};
    }
    const auto usual = UsualPlaces().find(id);
    return usual != UsualPlaces().end() ? usual->second : QRect();
}

QListWidget* MakeList(QWidget* parent, bool multiple) {
    auto* list = new QListWidget(parent);
    list->setSelectionMode(multiple ? QAbstractItemView::MultiSelection
                                    : QAbstractItemView::SingleSelection);
    list->setUniformItemSizes(true);
    return list;
}

QPushButton* MakeButton(const QString& text, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setAutoDefault(false);
    return button;
}

}  // namespace

CEntryFormDialogView::CEntryFormDialogView(CEntryFormDialog& model, CUi& ui, QWidget* parent)
    : CDialogView(model, ui, parent), model_(model) {
    setFont(PixelDialogFont());
    setWindowTitle(ToQt(model_.title));
    Build();
    BindKeys();
    Render();
    // The cost follows every choice that prices the form: the dances, the level, and the couple
    // (whose hotel packages decide the surcharge). Connected only now: reading the controls
    // before they show the model would clear its choices.
    for (QListWidget* list : {dances_, levels_}) {
        connect(list, &QListWidget::itemSelectionChanged, this, [this] { ShowCost(); });
    }
    for (QComboBox* box : std::initializer_list<QComboBox*>{gentleman_, lady_}) {
        connect(box, &QComboBox::currentIndexChanged, this, [this] { ShowCost(); });
        connect(box, &QComboBox::editTextChanged, this, [this] { ShowCost(); });
    }
    SetSizeAndCentre(kWidth, kHeight);
}

void CEntryFormDialogView::Build() {
    const auto place = [this](QWidget* widget, int id) {
        widget->setGeometry(PlaceOf(model_, id));
        widget->setVisible(model_.IsShown(id));
    };
    const auto label = [&](const std::string& text, int id, const char* constant,
                           bool wrap = false) {
        auto* widget = new QLabel(ToQt(text), this);
        widget->setWordWrap(wrap);
        NameControl(widget, constant, id, widget->text());
        place(widget, id);
        // A one-line label set for a narrower font grows to the right rather than cut its text.
        if (!wrap && widget->sizeHint().width() > widget->width()) {
            widget->resize(widget->sizeHint().width(), widget->height());
        }
        return widget;
    };
    const auto personBox = [&](CTypeAheadBox& box, const std::string& title, int groupId,
                               const char* groupConstant, int id, const char* constant) {
        // The group box is the box's label; its mnemonic moves to the box inside.
        auto* group = new QGroupBox(ToQt(title), this);
        NameControl(group, groupConstant, groupId, group->title());
        place(group, groupId);
        auto* combo = new CTypeAheadComboBox(box, group);
        NameControl(combo, constant, id, group->title());
        combo->setGeometry(kBoxInGroup);
        return combo;
    };

    auto* hint = label(Form::kHintText, Form::kHintId, "CEntryFormDialog::kHintId", true);
    hint->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    gentleman_ = personBox(model_.gentlemanBox, model_.gentlemanLabel, Form::kGentlemanLabelId,
                           "CEntryFormDialog::kGentlemanLabelId", Form::kGentlemanId,
                           "CEntryFormDialog::kGentlemanId");
    lady_ = personBox(model_.ladyBox, model_.ladyLabel, Form::kLadyLabelId,
                      "CEntryFormDialog::kLadyLabelId", Form::kLadyId, "CEntryFormDialog::kLadyId");
    coach_ =
        personBox(model_.coachBox, Form::kCoachLabel, Form::kCoachLabelId,
                  "CEntryFormDialog::kCoachLabelId", Form::kCoachId, "CEntryFormDialog::kCoachId");
    auto* addPerson = MakeButton(QString::fromLatin1(Form::kAddPersonText), this);
    TAVORIN_NAME_CONTROL(addPerson, Form::kAddPersonId, addPerson->text());
    place(addPerson, Form::kAddPersonId);

    text_ = new QLineEdit(this);
    RefuseFieldSeparators(text_);
    auto* dancersLabel =
        label(model_.dancersLabel, Form::kDancersLabelId, "CEntryFormDialog::kDancersLabelId");
    dancers_ = MakeList(this, false);
    TAVORIN_NAME_CONTROL(dancers_, Form::kDancersId, dancersLabel);
    place(dancers_, Form::kDancersId);
    struct CButton {
        int id;
        const char* constant;
        const char* text;
    };
    const CButton dancerButtons[] = {
        {Form::kDancerAddId, "CEntryFormDialog::kDancerAddId", "Add"},
        {Form::kDancerDeleteId, "CEntryFormDialog::kDancerDeleteId", "Delete"},
        {Form::kDancerUpId, "CEntryFormDialog::kDancerUpId", "Up"},
        {Form::kDancerDownId, "CEntryFormDialog::kDancerDownId", "Down"},
    };
    QPushButton* dancerButton[4] = {};
    for (int i = 0; i < 4; ++i) {
        const CButton& button = dancerButtons[i];
        dancerButton[i] = MakeButton(QString::fromLatin1(button.text), this);
        NameControl(dancerButton[i], button.constant, button.id, dancerButton[i]->text());
        place(dancerButton[i], button.id);
    }

    auto* dancesLabel =
        label(model_.textLabel, Form::kDancesLabelId, "CEntryFormDialog::kDancesLabelId");
    dances_ = MakeList(this, true);
    TAVORIN_NAME_CONTROL(dances_, Form::kDancesId, AccessibleText(Form::kDancesLabel));
    place(dances_, Form::kDancesId);
    TAVORIN_NAME_CONTROL(text_, Form::kTextId, dancesLabel);
    place(text_, Form::kTextId);
    // The dances label names the dances list while that is shown, else the text box.
    dancesLabel->setBuddy(model_.usesDances ? static_cast<QWidget*>(dances_) : text_);

    auto* levelsLabel =
        label(Form::kLevelsLabel, Form::kLevelsLabelId, "CEntryFormDialog::kLevelsLabelId");
    levels_ = MakeList(this, false);
    TAVORIN_NAME_CONTROL(levels_, Form::kLevelsId, levelsLabel);
    place(levels_, Form::kLevelsId);
    auto* agesLabel = label(Form::kAgesLabel, Form::kAgesLabelId, "CEntryFormDialog::kAgesLabelId");
    ages_ = MakeList(this, false);
    TAVORIN_NAME_CONTROL(ages_, Form::kAgesId, agesLabel);
    place(ages_, Form::kAgesId);

    auto* exitGroup = new QGroupBox(QString::fromLatin1(Form::kExitGroupText), this);
    exitGroup->setObjectName(QStringLiteral("exitGroup"));
    exitGroup->setGeometry(kExitGroup);
    exitGroup->lower();
    auto* exitSave = MakeButton(QString::fromLatin1(Form::kExitSaveText), this);
    TAVORIN_NAME_CONTROL(exitSave, Form::kExitSaveId, exitSave->text());
    place(exitSave, Form::kExitSaveId);
    auto* newForm = new QLabel(QString::fromLatin1(Form::kNewFormText), this);
    newForm->setObjectName(QStringLiteral("newFormText"));
    newForm->setGeometry(kNewFormText);
    // The tab order runs from top to bottom, the left side first.
    std::vector<QWidget*> order = {gentleman_, lady_, coach_, addPerson};
    const bool textOnTop =
        PlaceOf(model_, Form::kTextId).y() < PlaceOf(model_, Form::kDancesId).y();
    if (textOnTop) {
        order.push_back(text_);
    }
    order.insert(order.end(), {dancers_, dancerButton[0], dancerButton[1], dancerButton[2],
                               dancerButton[3], dances_});
    if (!textOnTop) {
        order.push_back(text_);
    }
    order.insert(order.end(), {levels_, ages_, exitSave});
    const std::map<int, const char*> newFormNames = {
        {Form::kNoDataId, "CEntryFormDialog::kNoDataId"},
        {Form::kSameDancesId, "CEntryFormDialog::kSameDancesId"},
        {Form::kSameCoupleId, "CEntryFormDialog::kSameCoupleId"},
        {Form::kSameManId, "CEntryFormDialog::kSameManId"},
        {Form::kSameLadyId, "CEntryFormDialog::kSameLadyId"},
    };
    for (const auto& button : Form::NewFormButtons()) {
        auto* widget = MakeButton(QString::fromLatin1(button.text), this);
        NameControl(widget, newFormNames.at(button.id), button.id, widget->text());
        place(widget, button.id);
        const int action = button.action;
        connect(widget, &QPushButton::clicked, this, [this, action] { EndWith(action); });
        order.push_back(widget);
    }
    auto* cancel = MakeButton(QStringLiteral("Cancel"), this);
    TAVORIN_NAME_CONTROL(cancel, Form::kCancelId, cancel->text());
    place(cancel, Form::kCancelId);
    auto* help = MakeButton(QStringLiteral("Help"), this);
    TAVORIN_NAME_CONTROL(help, Form::kHelpId, help->text());
    place(help, Form::kHelpId);
    order.insert(order.end(), {cancel, help});
    for (size_t i = 0; i + 1 < order.size(); ++i) {
        setTabOrder(order[i], order[i + 1]);
    }

    connect(exitSave, &QPushButton::clicked, this, [this] { EndWith(Form::kActionExit); });
    connect(cancel, &QPushButton::clicked, this, &CEntryFormDialogView::reject);
    connect(help, &QPushButton::clicked, this, [this] { model_.OnHelp(); });
    connect(addPerson, &QPushButton::clicked, this, [this] {
        ReadControls();
        model_.OnAddPerson();
        RenderPersonBoxes();
    });
    // Each dancer button takes the list's selection into the model, acts, and shows the result.
    const std::function<void()> dancerOperations[] = {
        [this] { model_.OnDancerAdd(); },
        [this] { model_.OnDancerDelete(); },
        [this] { model_.OnDancerUp(); },
        [this] { model_.OnDancerDown(); },
    };
    for (int i = 0; i < 4; ++i) {
        connect(dancerButton[i], &QPushButton::clicked, this, [this, act = dancerOperations[i]] {
            ReadList(dancers_, model_.dancers);
            act();
            RenderDancers();
        });
    }

    cost_ = new QLabel(this);
    cost_->setObjectName(QStringLiteral("formCost"));
    cost_->setAccessibleName(QStringLiteral("Cost"));
    cost_->setGeometry(kCostLine);

    // The first control the user fills in.
    QWidget* first = model_.usesGentleman ? static_cast<QWidget*>(gentleman_) : dancers_;
    first->setFocus();
}

void CEntryFormDialogView::BindKeys() {
    const std::pair<Qt::Key, int> functionKeys[] = {
        {Qt::Key_F5, 5}, {Qt::Key_F6, 6}, {Qt::Key_F7, 7},
        {Qt::Key_F8, 8}, {Qt::Key_F9, 9}, {Qt::Key_F10, 10},
    };
    for (const auto& [key, number] : functionKeys) {
        auto* shortcut = new QShortcut(QKeySequence(key), this);
        shortcut->setAutoRepeat(false);
        const int action = Form::ActionOfFunctionKey(number);
        connect(shortcut, &QShortcut::activated, this, [this, action] { EndWith(action); });
    }
    // Ages and levels have no mnemonic in their labels. Alt+D is the dances label's own, except
    // where a group form's label reads "Team name"; a second Alt+D beside the label's would
    // make both ambiguous, so it is bound only there.
    std::string letters = "AL";
    if (model_.textLabel.find('&') == std::string::npos) {
        letters += 'D';
    }
    for (const char letter : letters) {
        auto* shortcut = new QShortcut(
            QKeySequence(Qt::ALT | static_cast<Qt::Key>(Qt::Key_A + letter - 'A')), this);
        connect(shortcut, &QShortcut::activated, this, [this, letter] {
            if (QWidget* target = FindControlById(this, model_.ControlOfAltKey(letter))) {
                target->setFocus(Qt::ShortcutFocusReason);
            }
        });
    }
}

void CEntryFormDialogView::Render() {
    RenderPersonBoxes();
    RenderDancers();
    RenderList(dances_, model_.dances);
    RenderList(levels_, model_.levels);
    RenderList(ages_, model_.ages);
    text_->setText(ToQt(model_.text));
    ShowCost();
}

void CEntryFormDialogView::ShowCost() {
    ReadControls();
    cost_->setText(ToQt(model_.CostText()));
    cost_->setVisible(!cost_->text().isEmpty());
}

void CEntryFormDialogView::RenderPersonBoxes() {
    gentleman_->Render();
    lady_->Render();
    coach_->Render();
}

void CEntryFormDialogView::RenderDancers() {
    RenderList(dancers_, model_.dancers);
}

void CEntryFormDialogView::ReadControls() {
    gentleman_->ReadText();
    lady_->ReadText();
    coach_->ReadText();
    ReadList(dances_, model_.dances);
    ReadList(levels_, model_.levels);
    ReadList(ages_, model_.ages);
    ReadList(dancers_, model_.dancers);
    model_.text = FromQt(text_->text());
}

void CEntryFormDialogView::EndWith(int action) {
    ReadControls();
    if (const auto result = model_.OnAction(action)) {
        done(*result);
    }
}

void CEntryFormDialogView::reject() {
    ReadControls();
    if (model_.OnCancel()) {
        done(Form::Result(Form::kActionExit, false));
    }
}
