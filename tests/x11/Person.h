#pragma once
// What the real-input tests' person does besides clicking: waiting, with a
// person's patience, for something to show, and aiming at a widget's middle.
#include <QPoint>
#include <QWidget>

#include <chrono>
#include <functional>
#include <thread>

inline constexpr auto PersonPatience = std::chrono::seconds(60);

// Polls `done` until it holds or the person's patience runs out.
inline bool WaitFor(const std::function<bool()>& done)
{
    const auto until = std::chrono::steady_clock::now() + PersonPatience;
    while (!done()) {
        if (std::chrono::steady_clock::now() > until) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return true;
}

// The middle of a widget on the screen.
inline QPoint Middle(const QWidget* widget) { return widget->mapToGlobal(widget->rect().center()); }
