#include "app/Application.h"

#include <QApplication>

#include "app/DialogViews.h"
#include "qt/EnterKeyFilter.h"

void SetUpApplication(QApplication& application) {
    QApplication::setApplicationName(QStringLiteral("Tavorin"));
    QApplication::setApplicationDisplayName(QStringLiteral("Tavorin"));
    QApplication::setOrganizationName(QStringLiteral("Tavorin"));
    InstallEnterKeyFilter(application);
    RegisterDialogViews();
}
