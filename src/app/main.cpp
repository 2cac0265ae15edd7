// The desktop program: finds the competition, runs the main window, saves on the way out.
// `tavorin FILE.stu` or `tavorin DIRECTORY` opens that competition instead of the one beside
// the program.
#include <QApplication>
#include <QStringList>
#include <cstring>
#include <iostream>

#include "app/Application.h"
#include "qt/AppIcon.h"
#include "qt/QtPath.h"
#include "qt/QtUi.h"
#include "shell/Startup.h"
#include "util/Files.h"

namespace {

// --help and --version answer on the terminal, before any window (or display) is needed.
bool AnsweredOnTheTerminal(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::cout << "usage: tavorin [FILE.stu | DIRECTORY]\n"
                         "Prepares a dance studio's entries for the ballroom competition that the\n"
                         "organizer's setup file FILE.stu describes. With a DIRECTORY, the setup\n"
                         "files there are offered; with neither, those beside the program, or the\n"
                         "file chosen in a file dialog. The studio's data files are kept beside\n"
                         "the setup file.\n";
            return true;
        }
        if (std::strcmp(argv[i], "--version") == 0) {
            std::cout << "tavorin " TAVORIN_VERSION "\n";
            return true;
        }
    }
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    if (AnsweredOnTheTerminal(argc, argv)) {
        return 0;
    }
    QApplication application(argc, argv);
    SetUpApplication(application);
    QApplication::setWindowIcon(TavorinIcon());
    CQtUi ui;
    const QStringList arguments = QApplication::arguments();
    const std::string argument = arguments.size() > 1 ? PathFromQt(arguments.at(1)) : std::string();
    return RunTavorin(ui, argument, DirectoryOf(ProgramPath()));
}
