#include "platform/qt/HelpWindow.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace {

const QString kContentsPath = QStringLiteral(":/help/index.html");

QUrl ResourceUrl(const QString& path) {
    return QUrl(QStringLiteral("qrc") + path);
}

}  // namespace

QString HelpTopicPath(unsigned context) {
    return QStringLiteral(":/help/%1.html").arg(context);
}

CHelpWindow::CHelpWindow()
    : browser_(new QTextBrowser(this)),
      back_(new QPushButton(QStringLiteral("< &Back"), this)),
      forward_(new QPushButton(QStringLiteral("&Forward >"), this)) {
    setObjectName(QStringLiteral("helpWindow"));
    setWindowTitle(QStringLiteral("Tavorin Help"));
    setWindowModality(Qt::ApplicationModal);
    browser_->setObjectName(QStringLiteral("helpText"));
    browser_->setOpenExternalLinks(true);
    back_->setObjectName(QStringLiteral("helpBack"));
    forward_->setObjectName(QStringLiteral("helpForward"));
    auto* contents = new QPushButton(QStringLiteral("&Contents"), this);
    contents->setObjectName(QStringLiteral("helpContents"));
    back_->setEnabled(false);
    forward_->setEnabled(false);
    back_->setAutoDefault(false);
    forward_->setAutoDefault(false);
    contents->setAutoDefault(false);
    connect(back_, &QPushButton::clicked, browser_, &QTextBrowser::backward);
    connect(forward_, &QPushButton::clicked, browser_, &QTextBrowser::forward);
    connect(contents, &QPushButton::clicked, browser_,
            [this] { browser_->setSource(ResourceUrl(kContentsPath)); });
    connect(browser_, &QTextBrowser::backwardAvailable, back_, &QPushButton::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward_, &QPushButton::setEnabled);

    auto* navigation = new QHBoxLayout;
    navigation->addWidget(back_);
    navigation->addWidget(forward_);
    navigation->addWidget(contents);
    navigation->addStretch();
    auto* close = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(close, &QDialogButtonBox::rejected, this, &QDialog::reject);
    navigation->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(browser_);
    layout->addLayout(navigation);
    resize(600, 520);
}

void CHelpWindow::ShowTopic(unsigned context) {
    const QString path = HelpTopicPath(context);
    browser_->setSource(ResourceUrl(QFile::exists(path) ? path : kContentsPath));
    show();
    raise();
    activateWindow();
}
