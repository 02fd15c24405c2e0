#pragma once
// The sound server's client library run by the Qt event loop of the thread
// that made the loop: its sockets are watched by socket notifiers, its
// timers and deferred calls are Qt timers. Every callback of the library so
// runs between two events of that loop, never on a thread of its own.
#include <pulse/mainloop-api.h>

class PulseLoop {
public:
    PulseLoop();
    PulseLoop(const PulseLoop&) = delete;
    PulseLoop& operator=(const PulseLoop&) = delete;

    // For pa_context_new. Every context made on it must be freed before the loop.
    pa_mainloop_api* api() { return &api_; }

private:
    pa_mainloop_api api_;
};
