#include "support/CliRun.h"

#include <cstdlib>

#ifdef _WIN32
#include <filesystem>

#include "util/SystemPath.h"
#else
#include <sys/wait.h>
#endif

#include "support/StudioFixtures.h"

CRun RunCli(const std::string& arguments) {
    CTempDir dir;
#ifdef _WIN32
    // cmd.exe quotes with double quotes (no test argument holds one), and takes the whole line
    // in one more pair of them.
    std::string quoted = arguments;
    for (char& c : quoted) {
        c = c == '\'' ? '"' : c;
    }
    const std::string command = std::string("\"\"") + TAVORIN_CLI_PATH + "\" " + quoted + " >\"" +
                                dir.File("out") + "\" 2>\"" + dir.File("err") + "\"\"";
    const int status = ::_wsystem(SystemPath(command).wstring().c_str());
#else
    const std::string command = std::string("'") + TAVORIN_CLI_PATH + "' " + arguments + " >'" +
                                dir.File("out") + "' 2>'" + dir.File("err") + "'";
    const int raw = std::system(command.c_str());
    const int status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
#endif
    return {status, ReadFileBytes(dir.File("out")), ReadFileBytes(dir.File("err"))};
}
