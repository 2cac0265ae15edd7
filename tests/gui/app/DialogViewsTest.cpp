// Every dialog the core can run has a view in the desktop program, and no two views claim one
// resource number.
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QtTest>

#include "app/Application.h"
#include "app/DialogViews.h"
#include "qt/DialogViewRegistry.h"

namespace {

// Resource number -> model class, for every class in src/ that derives from the dialog model.
QMap<int, QString> DialogModelsInSources() {
    static const QRegularExpression model(
        QStringLiteral(R"(class\s+(C\w+)\s*(?:final\s*)?:\s*public\s+CDialogModel\b)"));
    static const QRegularExpression resource(
        QStringLiteral(R"(static\s+constexpr\s+int\s+kResourceId\s*=\s*(\d+)\s*;)"));
    QMap<int, QString> models;
    QDirIterator files(QStringLiteral(TAVORIN_SOURCE_DIR), {QStringLiteral("*.h")}, QDir::Files,
                       QDirIterator::Subdirectories);
    while (files.hasNext()) {
        QFile file(files.next());
        if (!file.open(QIODevice::ReadOnly)) {
            continue;
        }
        const QString text = QString::fromUtf8(file.readAll());
        const auto modelMatch = model.match(text);
        const auto resourceMatch = resource.match(text, modelMatch.capturedEnd());
        if (modelMatch.hasMatch() && resourceMatch.hasMatch()) {
            models.insert(resourceMatch.captured(1).toInt(), modelMatch.captured(1));
        }
    }
    return models;
}

// Models whose steps are not on the main window yet; each leaves this list with its view.
const QList<int> kViewsStillToCome = {};

}  // namespace

class DialogViewsTest : public QObject {
    Q_OBJECT

private slots:
    void EveryDialogModelHasExactlyOneView() {
        SetUpApplication(*qApp);
        QVERIFY(RegisterDialogViews().empty());
        const QMap<int, QString> models = DialogModelsInSources();
        QVERIFY2(models.size() >= 5, "the sources' dialog models were not found");
        QStringList withoutView;
        for (auto it = models.cbegin(); it != models.cend(); ++it) {
            if (!HasDialogView(it.key()) && !kViewsStillToCome.contains(it.key())) {
                withoutView << it.value() + QStringLiteral(" (") + QString::number(it.key()) +
                                   QStringLiteral(")");
            }
        }
        QVERIFY2(withoutView.isEmpty(), qPrintable(withoutView.join(QStringLiteral(", "))));
        // A second view for a claimed number is refused; the first one stays.
        QVERIFY(!RegisterDialogView(models.firstKey(), nullptr));
        QVERIFY(HasDialogView(models.firstKey()));
    }
};

QTEST_MAIN(DialogViewsTest)
#include "DialogViewsTest.moc"
