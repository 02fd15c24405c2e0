#pragma once
// An X server of the test program's own (Xvfb on the first free display,
// which the server picks itself), and real input through it with xdotool:
// pointer moves, clicks and keys reach the program the way a person's do.
#include <csignal>
#include <cstdlib>
#include <string>

#include <sys/wait.h>
#include <unistd.h>

class XServer {
public:
    // Starts Xvfb and waits until it accepts clients; display() is empty when
    // it could not be started.
    XServer()
    {
        int ready[2];
        if (pipe(ready) != 0) return;
        pid_ = fork();
        if (pid_ == 0) {
            close(ready[0]);
            const std::string fd = std::to_string(ready[1]);
            execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "1280x1024x24", "-nolisten", "tcp",
                   "-noreset", static_cast<char*>(nullptr));
            _exit(127);
        }
        close(ready[1]);
        std::string number;
        char c = 0;
        while (pid_ > 0 && read(ready[0], &c, 1) == 1 && c != '\n') number += c;
        close(ready[0]);
        if (!number.empty()) display_ = ":" + number;
    }
    ~XServer()
    {
        if (pid_ <= 0) return;
        kill(pid_, SIGTERM);
        waitpid(pid_, nullptr, 0);
    }
    XServer(const XServer&) = delete;
    XServer& operator=(const XServer&) = delete;

    const std::string& display() const { return display_; }

private:
    pid_t pid_ = -1;
    std::string display_;
};

// One xdotool command on the display of DISPLAY ("mousemove 10 20 click 1",
// "key Return"); true when it ran.
inline bool XDo(const std::string& arguments) { return std::system(("xdotool " + arguments).c_str()) == 0; }

// A left click at a point of the screen.
inline bool XClick(int x, int y)
{
    return XDo("mousemove --sync " + std::to_string(x) + " " + std::to_string(y) + " click 1");
}
