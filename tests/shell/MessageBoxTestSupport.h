#pragma once
// Test support for the message box: the application the widget tests need,
// and a fixture that acts on the open box from timers while a call blocks.
#include <QApplication>
#include <QObject>
#include <QPushButton>
#include <QTimer>
#include <QWidget>

#include <functional>

#include <gtest/gtest.h>

#include "TestApplication.h"

#include "Mkdlg.h"
#include "mk.h"

// The message box now on top, or null.
inline TMKBox* OpenBox()
{
    return qobject_cast<TMKBox*>(QApplication::activeModalWidget());
}

template <class Control>
Control* Find(QWidget& box, const char* name)
{
    auto* control = box.findChild<Control*>(name);
    EXPECT_NE(control, nullptr) << name;
    return control;
}

inline void Click(QWidget& box, const char* button)
{
    if (auto* control = Find<QPushButton>(box, button)) control->click();
}

class MessageBoxTest : public ::testing::Test {
protected:
    static constexpr int StrayAnswer = 99;  // what the watchdog closes a forgotten box with

    void SetUp() override
    {
        TestApplication();
        box.TimerCount = 1;
        box.ERTimerCount = 1;
        watchdog_.setSingleShot(true);
        QObject::connect(&watchdog_, &QTimer::timeout, [] {
            while (TMKBox* stray = OpenBox()) {
                ADD_FAILURE() << "a box stayed open";
                stray->done(StrayAnswer);
                QApplication::processEvents();
            }
        });
        watchdog_.start(8000);
    }

    // Runs the action on the box on top, `ms` after the event loop gets to it.
    void whenOpen(int ms, std::function<void(TMKBox&)> action)
    {
        QTimer::singleShot(ms, &context_, [action] {
            TMKBox* open = OpenBox();
            ASSERT_NE(open, nullptr) << "no box is open";
            action(*open);
        });
    }
    void whenOpen(std::function<void(TMKBox&)> action) { whenOpen(0, std::move(action)); }
    void clickWhenOpen(const char* button, int ms = 0)
    {
        whenOpen(ms, [button](TMKBox& open) { Click(open, button); });
    }

    TMKBoxDlg box;

private:
    QObject context_;  // timers of the test end with it
    QTimer watchdog_;
};
