#include "shell/MainDialogView.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QDesktopServices>
#include <QFontInfo>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSettings>
#include <QShortcut>
#include <QUrl>
#include <QVBoxLayout>

#include "platform/Ui.h"
#include "qt/AppIcon.h"
#include "qt/ControlNames.h"
#include "qt/QtPath.h"
#include "qt/QtText.h"
#include "shell/MainDialog.h"

namespace {

constexpr const char* kDialogFontFamily = "Arial Rounded MT Bold";
constexpr int kDialogFontPoints = 9;
// The client area in dialog units: the controls' extent and their margin.
constexpr int kClientWidth = 211;
constexpr int kClientHeight = 271;

enum class EKind { Text, CentredText, Button, DefaultButton };

struct CControl {
    EKind kind;
    int id;  // 0 for a text without an id
    const char* name;
    const char* text;
    int x, y, width, height;
};

// The window's controls in dialog units, in tab order.
constexpr CControl kControls[] = {
    {EKind::Text, 0, "introText",
     "Follow the six steps below. Be sure to check your data (step 5) before sending it to the "
     "competition organizer.",
     11, 4, 130, 30},
    {EKind::Button, CMainDialog::kHelpId, "CMainDialog::kHelpId",
     "Help\nRead this\nbefore starting", 145, 4, 55, 29},
    {EKind::Button, CMainDialog::kStudioId, "CMainDialog::kStudioId",
     "(1) View and edit studio data", 10, 38, 191, 14},
    {EKind::Button, CMainDialog::kPersonsId, "CMainDialog::kPersonsId",
     "(2) Add/edit/delete persons", 10, 62, 191, 14},
    {EKind::Button, CMainDialog::kPurchasesId, "CMainDialog::kPurchasesId",
     "(3) Add/delete non-dance purchases", 10, 86, 191, 14},
    {EKind::Button, CMainDialog::kEntriesId, "CMainDialog::kEntriesId",
     "(4) Add/edit/delete dance entries", 10, 110, 191, 14},
    {EKind::Button, CMainDialog::kReportId, "CMainDialog::kReportId",
     "(5) View summary report to check your data", 10, 134, 191, 14},
    {EKind::Button, CMainDialog::kDisketteId, "CMainDialog::kDisketteId",
     "(6) Make diskette for organizer", 10, 158, 191, 14},
    {EKind::CentredText, 0, "orText1", "OR", 99, 173, 12, 8},
    {EKind::Button, CMainDialog::kEmailId, "CMainDialog::kEmailId",
     "(6) Email data to organizer using your e-mail program", 10, 182, 191, 14},
    {EKind::CentredText, 0, "orText2", "OR", 99, 197, 12, 8},
    {EKind::Button, CMainDialog::kDataFileId, "CMainDialog::kDataFileId",
     "(6) Make data file to send to organizer", 11, 206, 191, 14},
    {EKind::DefaultButton, CMainDialog::kOkId, "IDOK", "OK/Exit data entry", 10, 230, 191, 14},
    {EKind::Text, CMainDialog::kVersionId, "CMainDialog::kVersionId", "Version", 11, 252, 80, 8},
    {EKind::Button, CMainDialog::kNewStudioId, "CMainDialog::kNewStudioId", "Initialize new studio",
     118, 250, 82, 14},
};

const QString kGeometryKey = QStringLiteral("mainWindow/geometry");

// A text smaller than this would no longer be read comfortably.
constexpr qreal kSmallestPoints = 7.0;

bool TextFits(const QWidget* widget) {
    if (const auto* label = qobject_cast<const QLabel*>(widget)) {
        const QFontMetrics metrics(label->font());
        const int flags = label->wordWrap() ? Qt::TextWordWrap : 0;
        const QRect needed =
            metrics.boundingRect(QRect(0, 0, label->width(), 0), flags, label->text());
        return needed.width() <= label->width() && needed.height() <= label->height();
    }
    const QSize needed = widget->sizeHint();
    return needed.width() <= widget->width() && needed.height() <= widget->height();
}

// The places are fixed in dialog units of the rounded face. Where another face sets a text
// wider or taller than its place, that control's font shrinks until the text fits, so that no
// text is ever cut off.
void ShrinkUntilTextFits(QWidget* widget) {
    QFont font = widget->font();
    while (!TextFits(widget) && font.pointSizeF() - 0.5 >= kSmallestPoints) {
        font.setPointSizeF(font.pointSizeF() - 0.5);
        widget->setFont(font);
    }
}

}  // namespace

QFont CMainDialogView::DialogFont() {
    QFont font(QString::fromLatin1(kDialogFontFamily), kDialogFontPoints);
    if (QFontInfo(font).family() == QString::fromLatin1(kDialogFontFamily)) {
        return font;
    }
    // The rounded face is heavy: its nearest stand-in is the platform's sans in bold. The
    // application's own family names it ("Sans Serif" does not exist on Windows, where it
    // falls back to a serif face).
    QFont sans(QApplication::font().family(), kDialogFontPoints);
    sans.setStyleHint(QFont::SansSerif);
    sans.setBold(true);
    return sans;
}

CMainDialogView::CMainDialogView(CMainDialog& model, CUi& ui, QWidget* parent)
    : CDialogView(model, ui, parent), model_(model) {
    setWindowFlags(windowFlags() | Qt::WindowMinimizeButtonHint);
    setFont(DialogFont());
    setWindowTitle(ToQt(model_.title));
    setWindowIcon(TavorinIcon());
    const CDialogUnits units = Units();
    // The controls keep their places in dialog units inside the client area below the menu bar.
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("clientArea"));

    for (const CControl& control : kControls) {
        const QRect place = units.Rect(control.x, control.y, control.width, control.height);
        const QString text = QString::fromLatin1(control.text);
        if (control.kind == EKind::Text || control.kind == EKind::CentredText) {
            const bool version = control.id == CMainDialog::kVersionId;
            auto* label = new QLabel(version ? ToQt(model_.versionText) : text, client);
            label->setWordWrap(control.kind == EKind::Text);
            label->setAlignment(control.kind == EKind::CentredText ? Qt::AlignHCenter | Qt::AlignTop
                                                                   : Qt::AlignLeft | Qt::AlignTop);
            label->setGeometry(place);
            ShrinkUntilTextFits(label);
            NameControl(label, control.name, control.id, label->text());
            continue;
        }
        auto* button = new QPushButton(text, client);
        NameControl(button, control.name, control.id, text);
        button->setGeometry(place);
        ShrinkUntilTextFits(button);
        button->setDefault(control.kind == EKind::DefaultButton);
        button->setAutoDefault(control.kind == EKind::DefaultButton);
        button->setEnabled(model_.IsEnabled(control.id));
        const int id = control.id;
        connect(button, &QPushButton::clicked, this, [this, id] { OnButton(id); });
    }
    client->setFixedSize(units.X(kClientWidth), units.Y(kClientHeight));
    BuildMenuBar();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setMenuBar(menuBar_);
    layout->addWidget(client);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    restoreGeometry(QSettings().value(kGeometryKey).toByteArray());

    windowMenu_ = new QMenu(this);
    windowMenu_->setObjectName(QStringLiteral("windowMenu"));
    QAction* about = windowMenu_->addAction(QString::fromLatin1(CMainDialog::kAboutMenuText));
    about->setObjectName(QStringLiteral("aboutAction"));
    connect(about, &QAction::triggered, this,
            [this] { model_.OnSysCommand(CMainDialog::kAboutCommand); });
    auto* altSpace = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_Space), this);
    connect(altSpace, &QShortcut::activated, this,
            [this] { ShowWindowMenu(mapToGlobal(QPoint(0, 0))); });

    if (QWidget* first = FindControlById(this, CMainDialog::kStudioId)) {
        first->setFocus();
    }
}

void CMainDialogView::BuildMenuBar() {
    menuBar_ = new QMenuBar(this);
    menuBar_->setObjectName(QStringLiteral("menuBar"));
    // The menus speak in the desktop's own face, not in the buttons' heavy one.
    menuBar_->setFont(QApplication::font(menuBar_));
    for (const CMenu& described : model_.Menus()) {
        QMenu* menu = menuBar_->addMenu(ToQt(described.text));
        menu->setObjectName(QString::fromStdString(described.name));
        menu->setAccessibleName(AccessibleText(menu->title()));
        FillMenu(menu, described.commands);
        const std::string name = described.name;
        connect(menu, &QMenu::aboutToShow, this, [this, menu, name] {
            for (const CMenu& now : model_.Menus()) {
                if (now.name == name) {
                    FillMenu(menu, now.commands);
                }
            }
        });
    }
}

void CMainDialogView::FillMenu(QMenu* menu, const std::vector<CMenuCommand>& commands) {
    // A submenu is a child of its menu: it goes with the lines it stood on.
    for (QMenu* submenu : menu->findChildren<QMenu*>(QString(), Qt::FindDirectChildrenOnly)) {
        delete submenu;
    }
    menu->clear();
    for (const CMenuCommand& command : commands) {
        if (command.command == 0) {
            menu->addSeparator();
            continue;
        }
        const QString text = ToQt(command.text);
        if (command.isSubmenu) {
            QMenu* submenu = menu->addMenu(text);
            submenu->setObjectName(QStringLiteral("menu%1").arg(command.command));
            submenu->setAccessibleName(AccessibleText(text));
            submenu->setEnabled(command.enabled);
            FillMenu(submenu, command.submenu);
            continue;
        }
        QAction* action = menu->addAction(text);
        action->setObjectName(QStringLiteral("menuCommand%1").arg(command.command));
        action->setData(command.command);
        action->setShortcut(QKeySequence(QString::fromLatin1(command.shortcut.c_str())));
        action->setEnabled(command.enabled);
        const int id = command.command;
        // Queued: a command may end the window, and the menu that sent it must not go first.
        connect(
            action, &QAction::triggered, this, [this, id] { OnMenuCommand(id); },
            Qt::QueuedConnection);
    }
}

void CMainDialogView::OnButton(int id) {
    if (model_.OnCommand(id)) {
        done(model_.result);
        return;
    }
    Render();
}

void CMainDialogView::OnMenuCommand(int command) {
    if (command == CMainMenu::kOpenStudioFolderCommand && model_.IsCommandEnabled(command)) {
        QDesktopServices::openUrl(QUrl::fromLocalFile(PathToQt(model_.StudioFolder())));
    }
    if (model_.OnMenuCommand(command)) {
        done(model_.result);
        return;
    }
    Render();
}

void CMainDialogView::Render() {
    setWindowTitle(ToQt(model_.title));
    for (const CControl& control : kControls) {
        QWidget* widget = FindControlById(this, control.id);
        if (control.kind != EKind::Text && control.kind != EKind::CentredText && widget) {
            widget->setEnabled(model_.IsEnabled(control.id));
        }
    }
    for (QAction* action : menuBar_->findChildren<QAction*>()) {
        if (action->data().isValid()) {
            action->setEnabled(model_.IsCommandEnabled(action->data().toInt()));
        }
    }
}

void CMainDialogView::done(int result) {
    QSettings().setValue(kGeometryKey, saveGeometry());
    CDialogView::done(result);
}

void CMainDialogView::contextMenuEvent(QContextMenuEvent* event) {
    ShowWindowMenu(event->globalPos());
}

void CMainDialogView::ShowWindowMenu(const QPoint& globalPosition) {
    windowMenu_->popup(globalPosition);
}
