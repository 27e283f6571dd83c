#include "gui/platform/ShellOpen.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <climits>

namespace {

// Runs in the forked child, so it calls only what is safe between fork and exec.
[[noreturn]] void ExecDetached(char* const* argv) {
    setsid();
    // The intermediate child ends at once; the grandchild, no longer ours, runs the program.
    if (fork() != 0)
        _exit(0);
    sigset_t none;
    sigemptyset(&none);
    sigprocmask(SIG_SETMASK, &none, nullptr);
    const int devNull = open("/dev/null", O_RDONLY);
    if (devNull >= 0)
        dup2(devNull, STDIN_FILENO);
    close_range(STDERR_FILENO + 1, UINT_MAX, 0);
    execvp(argv[0], argv);
    _exit(127);
}

} // namespace

void SpawnDetached(const std::vector<std::string>& argv) {
    if (argv.empty())
        return;
    // Built before the fork: the child must not allocate.
    std::vector<char*> pointers;
    for (const std::string& argument : argv)
        pointers.push_back(const_cast<char*>(argument.c_str()));
    pointers.push_back(nullptr);
    const pid_t child = fork();
    if (child == 0)
        ExecDetached(pointers.data());
    if (child > 0)
        waitpid(child, nullptr, 0);
}
