#include "PulseLoop.h"

#include <QSocketNotifier>
#include <QTimer>

#include <sys/time.h>

#include <algorithm>
#include <memory>

// The event kinds the library asks for. Each is freed by the library; its
// Qt objects are deleted later, as the library may free an event from
// inside that event's own callback.

struct pa_io_event {
    pa_mainloop_api* api;
    int fd;
    pa_io_event_cb_t callback;
    void* userdata;
    pa_io_event_destroy_cb_t destroy = nullptr;
    QSocketNotifier* read;
    QSocketNotifier* write;
};

struct pa_time_event {
    pa_mainloop_api* api;
    pa_time_event_cb_t callback;
    void* userdata;
    pa_time_event_destroy_cb_t destroy = nullptr;
    timeval when{};
    QTimer* timer;
};

struct pa_defer_event {
    pa_mainloop_api* api;
    pa_defer_event_cb_t callback;
    void* userdata;
    pa_defer_event_destroy_cb_t destroy = nullptr;
    QTimer* timer;  // of interval 0: runs once per pass of the event loop while enabled
};

namespace {

void Retire(QObject* object)
{
    object->disconnect();
    object->deleteLater();
}

// --- sockets

void IoEnable(pa_io_event* e, pa_io_event_flags_t events)
{
    e->read->setEnabled(events & (PA_IO_EVENT_INPUT | PA_IO_EVENT_HANGUP | PA_IO_EVENT_ERROR));
    e->write->setEnabled(events & PA_IO_EVENT_OUTPUT);
}

pa_io_event* IoNew(pa_mainloop_api* api, int fd, pa_io_event_flags_t events, pa_io_event_cb_t callback,
                   void* userdata)
{
    auto* e = new pa_io_event{api, fd, callback, userdata, nullptr, new QSocketNotifier(fd, QSocketNotifier::Read),
                              new QSocketNotifier(fd, QSocketNotifier::Write)};
    // A hang-up or an error makes the socket readable; the library finds it there.
    QObject::connect(e->read, &QSocketNotifier::activated,
                     [e] { e->callback(e->api, e, e->fd, PA_IO_EVENT_INPUT, e->userdata); });
    QObject::connect(e->write, &QSocketNotifier::activated,
                     [e] { e->callback(e->api, e, e->fd, PA_IO_EVENT_OUTPUT, e->userdata); });
    IoEnable(e, events);
    return e;
}

void IoFree(pa_io_event* e)
{
    if (e->destroy) e->destroy(e->api, e, e->userdata);
    e->read->setEnabled(false);
    e->write->setEnabled(false);
    Retire(e->read);
    Retire(e->write);
    delete e;
}

void IoSetDestroy(pa_io_event* e, pa_io_event_destroy_cb_t destroy) { e->destroy = destroy; }

// --- timers, at wall-clock times (this loop is not the library's own, so
// it is given no monotonic times)

void TimeRestart(pa_time_event* e, const timeval* when)
{
    if (!when) {
        e->timer->stop();
        return;
    }
    e->when = *when;
    timeval now;
    gettimeofday(&now, nullptr);
    const long long us = (when->tv_sec - now.tv_sec) * 1000000LL + (when->tv_usec - now.tv_usec);
    e->timer->start(static_cast<int>(std::clamp<long long>((us + 999) / 1000, 0, INT32_MAX)));
}

pa_time_event* TimeNew(pa_mainloop_api* api, const timeval* when, pa_time_event_cb_t callback, void* userdata)
{
    auto* e = new pa_time_event{api, callback, userdata, nullptr, {}, new QTimer};
    e->timer->setSingleShot(true);
    e->timer->setTimerType(Qt::PreciseTimer);
    QObject::connect(e->timer, &QTimer::timeout, [e] { e->callback(e->api, e, &e->when, e->userdata); });
    TimeRestart(e, when);
    return e;
}

void TimeFree(pa_time_event* e)
{
    if (e->destroy) e->destroy(e->api, e, e->userdata);
    e->timer->stop();
    Retire(e->timer);
    delete e;
}

void TimeSetDestroy(pa_time_event* e, pa_time_event_destroy_cb_t destroy) { e->destroy = destroy; }

// --- deferred calls

void DeferEnable(pa_defer_event* e, int enabled)
{
    if (!enabled) e->timer->stop();
    else if (!e->timer->isActive()) e->timer->start(0);
}

pa_defer_event* DeferNew(pa_mainloop_api* api, pa_defer_event_cb_t callback, void* userdata)
{
    auto* e = new pa_defer_event{api, callback, userdata, nullptr, new QTimer};
    QObject::connect(e->timer, &QTimer::timeout, [e] { e->callback(e->api, e, e->userdata); });
    DeferEnable(e, 1);
    return e;
}

void DeferFree(pa_defer_event* e)
{
    if (e->destroy) e->destroy(e->api, e, e->userdata);
    e->timer->stop();
    Retire(e->timer);
    delete e;
}

void DeferSetDestroy(pa_defer_event* e, pa_defer_event_destroy_cb_t destroy) { e->destroy = destroy; }

// The event loop is Qt's: the library never ends it.
void Quit(pa_mainloop_api*, int) {}

}  // namespace

PulseLoop::PulseLoop()
    : api_{this,          &IoNew,          &IoEnable,     &IoFree,      &IoSetDestroy,    &TimeNew,
           &TimeRestart,  &TimeFree,       &TimeSetDestroy, &DeferNew,  &DeferEnable,     &DeferFree,
           &DeferSetDestroy, &Quit}
{
}
