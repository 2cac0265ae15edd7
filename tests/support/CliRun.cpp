#include "support/CliRun.h"

#include <sys/wait.h>

#include <cstdlib>

#include "support/StudioFixtures.h"

CRun RunCli(const std::string& arguments) {
    CTempDir dir;
    const std::string command = std::string("'") + TAVORIN_CLI_PATH + "' " + arguments + " >'" +
                                dir.File("out") + "' 2>'" + dir.File("err") + "'";
    const int raw = std::system(command.c_str());
    return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, ReadFileBytes(dir.File("out")),
            ReadFileBytes(dir.File("err"))};
}
