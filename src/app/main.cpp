// The desktop program: finds the competition, runs the main window, saves on the way out.
// `tavorin FILE.stu` or `tavorin DIRECTORY` opens that competition instead of the one beside
// the program.
#include <QApplication>
#include <QStringList>

#include "platform/qt/AppIcon.h"
#include "app/Application.h"
#include "platform/qt/QtUi.h"
#include "shell/Startup.h"
#include "util/Files.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    SetUpApplication(application);
    QApplication::setWindowIcon(TavorinIcon());
    CQtUi ui;
    const QStringList arguments = QApplication::arguments();
    const std::string argument =
        arguments.size() > 1 ? arguments.at(1).toLocal8Bit().toStdString() : std::string();
    return RunTavorin(ui, argument, DirectoryOf(ProgramPath()));
}
