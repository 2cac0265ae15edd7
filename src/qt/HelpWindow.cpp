#include "qt/HelpWindow.h"

#include <QFile>
#include <QHBoxLayout>
#include <QPushButton>
#include <QSettings>
#include <QTextBrowser>
#include <QTextDocument>
#include <QUrl>
#include <QVBoxLayout>

#include "qt/ControlNames.h"
#include "qt/EnterKeyFilter.h"

namespace {

const QString kContentsPath = QStringLiteral(":/help/index.html");
const QString kGeometryKey = QStringLiteral("helpWindow/geometry");
// Each message a topic explains stands out in bold, apart from the one before it.
const QString kTopicStyle =
    QStringLiteral("dt { font-weight: bold; margin-top: 8px; } dd { margin-left: 20px; }");

QUrl ResourceUrl(const QString& path) {
    return QUrl(QStringLiteral("qrc") + path);
}

// The resource path of the topic for `context` (0x20000 + a dialog's resource number).
QString HelpTopicPath(unsigned context) {
    return QStringLiteral(":/help/%1.html").arg(context);
}

}  // namespace

CHelpWindow::CHelpWindow() : browser_(new QTextBrowser(this)) {
    setObjectName(QStringLiteral("helpWindow"));
    setWindowTitle(QStringLiteral("Tavorin Help"));
    setWindowModality(Qt::ApplicationModal);
    browser_->setObjectName(QStringLiteral("helpText"));
    browser_->setAccessibleName(windowTitle());
    browser_->setOpenExternalLinks(true);
    browser_->document()->setDefaultStyleSheet(kTopicStyle);
    // A reader, not a form: Enter follows the link that has the focus, presses the button that
    // has it, and elsewhere closes the window.
    setProperty(CEnterKeyFilter::kOwnEnterKeyProperty, true);
    const auto addButton = [this](const QString& text, const QString& name) {
        auto* button = new QPushButton(text, this);
        button->setObjectName(name);
        button->setAccessibleName(AccessibleText(text));
        return button;
    };
    back_ = addButton(QStringLiteral("&Back"), QStringLiteral("helpBack"));
    forward_ = addButton(QStringLiteral("&Forward"), QStringLiteral("helpForward"));
    QPushButton* contents = addButton(QStringLiteral("&Contents"), QStringLiteral("helpContents"));
    QPushButton* close = addButton(QStringLiteral("Close"), QStringLiteral("helpClose"));
    close->setDefault(true);
    back_->setEnabled(false);
    forward_->setEnabled(false);
    connect(back_, &QPushButton::clicked, browser_, &QTextBrowser::backward);
    connect(forward_, &QPushButton::clicked, browser_, &QTextBrowser::forward);
    connect(contents, &QPushButton::clicked, browser_,
            [this] { browser_->setSource(ResourceUrl(kContentsPath)); });
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    connect(browser_, &QTextBrowser::backwardAvailable, back_, &QPushButton::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward_, &QPushButton::setEnabled);

    auto* navigation = new QHBoxLayout;
    navigation->addWidget(back_);
    navigation->addWidget(forward_);
    navigation->addWidget(contents);
    navigation->addStretch();
    navigation->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(browser_);
    layout->addLayout(navigation);
    resize(640, 600);
    restoreGeometry(QSettings().value(kGeometryKey).toByteArray());
}

void CHelpWindow::hideEvent(QHideEvent* event) {
    QSettings().setValue(kGeometryKey, saveGeometry());
    QDialog::hideEvent(event);
}

void CHelpWindow::ShowTopic(unsigned context) {
    const QString path = HelpTopicPath(context);
    browser_->setSource(ResourceUrl(QFile::exists(path) ? path : kContentsPath));
    show();
    raise();
    activateWindow();
}
