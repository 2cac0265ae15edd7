#include "platform/ProgramRun.h"

#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

extern char** environ;

namespace {

bool IsExecutableFile(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) &&
           ::access(path.c_str(), X_OK) == 0;
}

}  // namespace

std::string FindProgram(const std::string& name) {
    if (name.empty()) {
        return {};
    }
    if (name.find('/') != std::string::npos) {
        return IsExecutableFile(name) ? name : std::string();
    }
    const char* path = std::getenv("PATH");
    const std::string directories = path != nullptr ? path : "/usr/local/bin:/usr/bin:/bin";
    size_t start = 0;
    while (start <= directories.size()) {
        size_t end = directories.find(':', start);
        if (end == std::string::npos) {
            end = directories.size();
        }
        const std::string directory = directories.substr(start, end - start);
        const std::string candidate = (directory.empty() ? "." : directory) + "/" + name;
        if (IsExecutableFile(candidate)) {
            return candidate;
        }
        start = end + 1;
    }
    return {};
}

CProgramRun RunProgram(const std::string& path, const std::vector<std::string>& arguments,
                       std::string* output) {
    CProgramRun run;
    std::vector<std::string> texts{path};
    texts.insert(texts.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (auto& text : texts) {
        argv.push_back(text.data());
    }
    argv.push_back(nullptr);

    int pipeEnds[2] = {-1, -1};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (output != nullptr) {
        if (::pipe(pipeEnds) != 0) {
            run.startError = errno;
            posix_spawn_file_actions_destroy(&actions);
            return run;
        }
        posix_spawn_file_actions_addclose(&actions, pipeEnds[0]);
        posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
        posix_spawn_file_actions_addclose(&actions, pipeEnds[1]);
    }
    pid_t child = 0;
    run.startError = ::posix_spawn(&child, path.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (output != nullptr) {
        ::close(pipeEnds[1]);
        if (run.startError == 0) {
            char buffer[4096];
            ssize_t count = 0;
            while ((count = ::read(pipeEnds[0], buffer, sizeof buffer)) > 0 ||
                   (count < 0 && errno == EINTR)) {
                if (count > 0) {
                    output->append(buffer, static_cast<size_t>(count));
                }
            }
        }
        ::close(pipeEnds[0]);
    }
    if (run.startError != 0) {
        return run;
    }
    int status = 0;
    while (::waitpid(child, &status, 0) < 0) {
        if (errno != EINTR) {
            return run;
        }
    }
    if (WIFEXITED(status)) {
        run.exitStatus = WEXITSTATUS(status);
    }
    return run;
}
