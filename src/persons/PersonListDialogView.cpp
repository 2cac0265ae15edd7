#include "persons/PersonListDialogView.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "persons/PersonListDialog.h"
#include "platform/Ui.h"
#include "qt/ControlNames.h"
#include "qt/ListSearchKeys.h"
#include "qt/ListWidgets.h"

CPersonListDialogView::CPersonListDialogView(CPersonListDialog& model, CUi& ui, QWidget* parent)
    : CDialogView(model, ui, parent), model_(model) {
    setWindowTitle(QString::fromLatin1(CPersonListDialog::kTitle));

    list_ = new QListWidget(this);
    // The list has no label of its own: the dialog's title says what it holds.
    TAVORIN_NAME_CONTROL(list_, CPersonListDialog::kListId, windowTitle());
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setMinimumSize(Units().X(170), Units().Y(150));
    AttachListSearch(list_, ui);

    auto* buttons = new QVBoxLayout;
    const auto addButton = [this, buttons](const char* text) {
        auto* button = new QPushButton(QString::fromLatin1(text), this);
        button->setAutoDefault(false);
        button->setMinimumWidth(Units().X(50));
        buttons->addWidget(button);
        return button;
    };
    QPushButton* add = addButton("Add");
    TAVORIN_NAME_CONTROL(add, CPersonListDialog::kAddId, add->text());
    QPushButton* edit = addButton("Edit");
    TAVORIN_NAME_CONTROL(edit, CPersonListDialog::kEditId, edit->text());
    QPushButton* remove = addButton("Delete");
    TAVORIN_NAME_CONTROL(remove, CPersonListDialog::kDeleteId, remove->text());
    QPushButton* import = addButton("Import...");
    TAVORIN_NAME_CONTROL(import, CPersonListDialog::kImportId, import->text());
    QPushButton* exportButton = addButton("Export...");
    TAVORIN_NAME_CONTROL(exportButton, CPersonListDialog::kExportId, exportButton->text());
    buttons->addStretch(1);
    QPushButton* ok = addButton("OK");
    TAVORIN_NAME_CONTROL(ok, CPersonListDialog::kOkId, ok->text());
    ok->setDefault(true);
    QPushButton* help = addButton("Help");
    TAVORIN_NAME_CONTROL(help, CPersonListDialog::kHelpId, help->text());

    auto* page = new QHBoxLayout(this);
    page->addWidget(list_, 1);
    page->addLayout(buttons);

    connect(add, &QPushButton::clicked, this, [this] { Run(&CPersonListDialog::OnAdd); });
    connect(edit, &QPushButton::clicked, this, [this] { Run(&CPersonListDialog::OnEdit); });
    connect(remove, &QPushButton::clicked, this, [this] { Run(&CPersonListDialog::OnDelete); });
    // A double click opens the person, as Edit does.
    connect(list_, &QListWidget::itemDoubleClicked, this,
            [this] { Run(&CPersonListDialog::OnEdit); });
    connect(import, &QPushButton::clicked, this, [this] { Run(&CPersonListDialog::OnImport); });
    connect(exportButton, &QPushButton::clicked, this,
            [this] { Run(&CPersonListDialog::OnExport); });
    connect(ok, &QPushButton::clicked, this, [this] { done(IDOK); });
    connect(help, &QPushButton::clicked, this, [this] { OnHelp(); });
    connect(list_, &QListWidget::itemSelectionChanged, this,
            [this] { ReadList(list_, model_.persons); });

    RenderList(list_, model_.persons);
    list_->setFocus();
}

template <class Handler>
void CPersonListDialogView::Run(Handler handler) {
    (model_.*handler)();
    RenderList(list_, model_.persons);
}
