// Aravis's GigE Vision test camera (arv-fake-gv-camera-0.8) as a child
// process on the loopback interface. Killing it is a pulled cable. The camera
// dies with the object, and with the test process if that dies first.
//
// Only one can listen on 127.0.0.1 at a time: tests that start it share the
// CTest resource lock "fake_gige".
#pragma once

#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <string>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace vexotest {

class FakeGigeCamera final
{
public:
    // genicam: a description file to serve instead of the built-in one;
    // lostPerThousand: stream packets the camera drops (a disturbed link).
    explicit FakeGigeCamera(const std::string &serial, const std::string &genicam = {},
                            int lostPerThousand = 0)
    {
        std::vector<std::string> args = {"arv-fake-gv-camera-0.8", "-i", "lo", "-s", serial};
        if (!genicam.empty()) {
            args.push_back("-g");
            args.push_back(genicam);
        }
        if (lostPerThousand > 0) {
            args.push_back("-r");
            args.push_back(std::to_string(lostPerThousand));
        }
        std::vector<char *> argv;
        for (std::string &a : args)
            argv.push_back(a.data());
        argv.push_back(nullptr);
        const pid_t parent = getpid();
        m_pid = fork();
        if (m_pid == 0) {
            prctl(PR_SET_PDEATHSIG, SIGKILL);
            if (getppid() != parent)
                _exit(126);
            const int null = open("/dev/null", O_WRONLY);
            dup2(null, STDOUT_FILENO);
            dup2(null, STDERR_FILENO);
            execvp(argv[0], argv.data());
            _exit(127);
        }
    }
    ~FakeGigeCamera() { kill(); }
    FakeGigeCamera(const FakeGigeCamera &) = delete;
    FakeGigeCamera &operator=(const FakeGigeCamera &) = delete;

    // False once it exited (for example: the port was taken).
    bool running()
    {
        if (m_pid <= 0)
            return false;
        int status = 0;
        if (waitpid(m_pid, &status, WNOHANG) == m_pid) {
            m_pid = -1;
            return false;
        }
        return true;
    }

    void kill()
    {
        if (m_pid > 0) {
            ::kill(m_pid, SIGKILL);
            int status = 0;
            waitpid(m_pid, &status, 0);
            m_pid = -1;
        }
    }

private:
    pid_t m_pid = -1;
};

} // namespace vexotest
