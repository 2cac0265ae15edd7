#include "shell/AboutDialogView.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/Ui.h"
#include "qt/AppIcon.h"
#include "qt/ControlNames.h"
#include "shell/AboutDialog.h"

CAboutDialogView::CAboutDialogView(CAboutDialog& model, CUi& ui, QWidget* parent)
    : CDialogView(model, ui, parent) {
    setWindowTitle(QString::fromLatin1(CAboutDialog::kTitle));
    auto* row = new QHBoxLayout(this);
    row->setSpacing(Units().X(8));

    auto* icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("icon"));
    icon->setPixmap(TavorinIconPixmap(48));
    icon->setAccessibleName(QStringLiteral("Tavorin"));
    row->addWidget(icon, 0, Qt::AlignVCenter);

    auto* text = new QLabel(QString::fromLatin1(CAboutDialog::kText), this);
    text->setObjectName(QStringLiteral("aboutText"));
    row->addWidget(text, 1, Qt::AlignVCenter);

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    NameControl(ok, "IDOK", IDOK, ok->text());
    ok->setDefault(true);
    ok->setMinimumWidth(Units().X(50));
    row->addWidget(ok, 0, Qt::AlignTop);
    connect(ok, &QPushButton::clicked, this, [this] { done(IDOK); });

    setFixedSize(sizeHint().expandedTo(QSize(Units().X(235), Units().Y(55))));
    ok->setFocus();
}
