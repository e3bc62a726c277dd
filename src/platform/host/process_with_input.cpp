#include "platform/host/process_with_input.h"

#include <cerrno>
#include <csignal>
#include <ctime>

#include <fcntl.h>
#include <poll.h>
#include <pthread.h>
#include <sys/wait.h>
#include <unistd.h>

namespace orv::platform {

namespace {

class Pipe {
public:
    bool open() { return pipe2(ends_, O_CLOEXEC) == 0; }
    ~Pipe()
    {
        closeReading();
        closeWriting();
    }
    int reading() const { return ends_[0]; }
    int writing() const { return ends_[1]; }
    void closeReading() { closeEnd(ends_[0]); }
    void closeWriting() { closeEnd(ends_[1]); }

private:
    static void closeEnd(int& fd)
    {
        if (fd >= 0)
            ::close(fd);
        fd = -1;
    }
    int ends_[2] = {-1, -1};
};

// Writes the text; a program that ends without reading must not kill this one with
// SIGPIPE, so the signal is held back and a pending one taken away again.
void writeAll(int fd, const std::string& text)
{
    sigset_t pipeSignal, previous;
    sigemptyset(&pipeSignal);
    sigaddset(&pipeSignal, SIGPIPE);
    pthread_sigmask(SIG_BLOCK, &pipeSignal, &previous);
    fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) | O_NONBLOCK);

    std::size_t done = 0;
    bool brokenPipe = false;
    while (done < text.size()) {
        const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
        if (n > 0) {
            done += static_cast<std::size_t>(n);
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && errno == EAGAIN) {
            pollfd wait{fd, POLLOUT, 0};
            if (poll(&wait, 1, 5000) > 0)
                continue;
        }
        brokenPipe = n < 0 && errno == EPIPE;
        break;
    }
    if (brokenPipe) {
        const timespec now{};
        sigtimedwait(&pipeSignal, nullptr, &now);
    }
    pthread_sigmask(SIG_SETMASK, &previous, nullptr);
}

}  // namespace

bool startDetachedWithInput(const std::filesystem::path& program, const std::vector<std::string>& arguments,
                            const std::filesystem::path& workingFolder, const std::string& input)
{
    Pipe in, status;
    if (!in.open() || !status.open())
        return false;

    // Everything the child needs is made before fork: after it only async-signal-safe calls.
    std::vector<std::string> words{program.string()};
    words.insert(words.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (auto& w : words)
        argv.push_back(w.data());
    argv.push_back(nullptr);
    const std::string folder = workingFolder.string();

    const pid_t child = fork();
    if (child < 0)
        return false;
    if (child == 0) {
        // The first child only starts the program in a new session and ends, so the
        // program is nobody's child to wait for.
        setsid();
        const pid_t grandchild = fork();
        if (grandchild != 0)
            _exit(grandchild < 0 ? 1 : 0);
        if (dup2(in.reading(), STDIN_FILENO) >= 0 && (folder.empty() || chdir(folder.c_str()) == 0))
            execv(argv[0], argv.data());
        // The status pipe closes on a successful exec; an error number in it means failure.
        const int error = errno;
        [[maybe_unused]] ssize_t ignored = ::write(status.writing(), &error, sizeof error);
        _exit(127);
    }
    in.closeReading();
    status.closeWriting();
    int childStatus = 0;
    while (waitpid(child, &childStatus, 0) < 0 && errno == EINTR) {
    }
    int error = 0;
    ssize_t got;
    while ((got = ::read(status.reading(), &error, sizeof error)) < 0 && errno == EINTR) {
    }
    if (got != 0 || !WIFEXITED(childStatus) || WEXITSTATUS(childStatus) != 0)
        return false;
    writeAll(in.writing(), input);
    return true;
}

}  // namespace orv::platform
