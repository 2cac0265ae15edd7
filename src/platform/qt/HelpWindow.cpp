#include "platform/qt/HelpWindow.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFile>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace {

// Topics are resources named after their context number (":/help/131173.html"); the contents
// page is ":/help/index.html".
QString TopicHtml(unsigned context) {
    for (const QString& path :
         {QStringLiteral(":/help/%1.html").arg(context), QStringLiteral(":/help/index.html")}) {
        QFile file(path);
        if (file.open(QIODevice::ReadOnly)) {
            return QString::fromUtf8(file.readAll());
        }
    }
    return QStringLiteral(
               "<h2>Tavorin help</h2><p>There is no help topic for this window yet "
               "(topic %1).</p>")
        .arg(context);
}

}  // namespace

void ShowHelpTopic(unsigned context, QWidget* parent) {
    // Modal, so that it can be read and closed while another dialog waits for the user.
    QDialog window(parent);
    window.setObjectName(QStringLiteral("helpWindow"));
    window.setWindowTitle(QStringLiteral("Tavorin Help"));
    auto* layout = new QVBoxLayout(&window);
    auto* browser = new QTextBrowser(&window);
    browser->setObjectName(QStringLiteral("helpText"));
    browser->setSearchPaths({QStringLiteral(":/help")});
    browser->setHtml(TopicHtml(context));
    layout->addWidget(browser);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, &window);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &window, &QDialog::reject);
    layout->addWidget(buttons);
    window.resize(520, 420);
    window.exec();
}
