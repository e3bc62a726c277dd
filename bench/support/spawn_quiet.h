// Starts a program of a start-up benchmark: forked and executed with environment entries
// added to the inherited ones, its output discarded so that it does not disturb the figures.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include <unistd.h>

namespace bench {

inline pid_t spawnQuiet(const std::vector<std::string>& command, const std::vector<std::string>& environment)
{
    const pid_t pid = fork();
    if (pid == 0) {
        for (const std::string& e : environment)
            putenv(const_cast<char*>(e.c_str()));
        std::vector<char*> argv;
        for (const std::string& a : command)
            argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        std::freopen("/dev/null", "w", stdout);
        std::freopen("/dev/null", "w", stderr);
        execvp(argv[0], argv.data());
        _exit(127);
    }
    return pid;
}

}  // namespace bench
