#include "platform/qt/Application.h"

#include <QApplication>

#include "dialogs/qt/EnterKeyFilter.h"

void SetUpApplication(QApplication& application) {
    QApplication::setApplicationName(QStringLiteral("Tavorin"));
    QApplication::setApplicationDisplayName(QStringLiteral("Tavorin"));
    QApplication::setOrganizationName(QStringLiteral("Tavorin"));
    InstallEnterKeyFilter(application);
}
