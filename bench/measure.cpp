// qv-measure: runs one command in a given directory and reports how long it took and how
// much memory it held at its peak, for the benchmark script.
//
//   qv-measure [--stdout FILE] DIR COMMAND [ARGUMENT...]
//
// The command runs with DIR as its working directory; with --stdout its standard output
// goes to FILE (created or emptied, relative to DIR). On success one line goes to
// standard output:
//
//   seconds=<wall time> maxrss_kib=<peak resident set of the command> status=<exit status>
//
// Wall time runs from just before the fork to the return of wait4, on the monotonic clock.
// The peak resident set is the child's own ru_maxrss; programs the child starts in turn are
// not counted. Exit status: the command's own, or 125 when it could not be started.

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstring>

namespace {

constexpr int exitCannotRun = 125;

struct Invocation {
    const char* stdoutPath = nullptr;
    const char* directory = nullptr;
    char** command = nullptr;
};

bool parseArguments(int argc, char** argv, Invocation& invocation)
{
    int next = 1;
    if (next + 1 < argc && std::strcmp(argv[next], "--stdout") == 0) {
        invocation.stdoutPath = argv[next + 1];
        next += 2;
    }
    if (argc - next < 2)
        return false;
    invocation.directory = argv[next];
    invocation.command = argv + next + 1;
    return true;
}

// In the child: enters the directory, redirects standard output if asked, and becomes the
// command. Returns only on failure, having said why.
void becomeCommand(const Invocation& invocation)
{
    if (chdir(invocation.directory) != 0) {
        std::fprintf(stderr, "qv-measure: %s: cannot enter the directory: %s\n", invocation.directory,
                     std::strerror(errno));
        return;
    }
    if (invocation.stdoutPath != nullptr) {
        const int output = open(invocation.stdoutPath, O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (output < 0 || dup2(output, STDOUT_FILENO) < 0) {
            std::fprintf(stderr, "qv-measure: %s: cannot open for the output: %s\n", invocation.stdoutPath,
                         std::strerror(errno));
            return;
        }
        close(output);
    }
    execvp(invocation.command[0], invocation.command);
    std::fprintf(stderr, "qv-measure: %s: cannot run: %s\n", invocation.command[0], std::strerror(errno));
}

int exitStatusOf(int waitStatus)
{
    if (WIFEXITED(waitStatus))
        return WEXITSTATUS(waitStatus);
    return 128 + (WIFSIGNALED(waitStatus) ? WTERMSIG(waitStatus) : 0);
}

}  // namespace

int main(int argc, char** argv)
{
    Invocation invocation;
    if (!parseArguments(argc, argv, invocation)) {
        std::fputs("Usage: qv-measure [--stdout FILE] DIR COMMAND [ARGUMENT...]\n", stderr);
        return 64;
    }

    const auto started = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child < 0) {
        std::fprintf(stderr, "qv-measure: cannot fork: %s\n", std::strerror(errno));
        return exitCannotRun;
    }
    if (child == 0) {
        becomeCommand(invocation);
        _exit(exitCannotRun);
    }

    int waitStatus = 0;
    rusage usage{};
    if (wait4(child, &waitStatus, 0, &usage) != child) {
        std::fprintf(stderr, "qv-measure: cannot wait for the command: %s\n", std::strerror(errno));
        return exitCannotRun;
    }
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - started;

    const int status = exitStatusOf(waitStatus);
    std::printf("seconds=%.6f maxrss_kib=%ld status=%d\n", elapsed.count(), usage.ru_maxrss, status);
    return status;
}
