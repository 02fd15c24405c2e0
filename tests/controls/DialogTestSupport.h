#pragma once
// Test support for the small dialogs: the application the widget tests need,
// and a fixture that acts on the open dialog from a timer while the call
// that shows it blocks.
#include <QAbstractButton>
#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <ostream>

#include <gtest/gtest.h>

#include "TestApplication.h"

// Failed comparisons print texts readably.
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

template <class Control>
Control* Find(QWidget& form, const char* name)
{
    auto* control = form.findChild<Control*>(name);
    EXPECT_NE(control, nullptr) << name;
    return control;
}

inline void Click(QWidget& form, const char* button)
{
    if (auto* control = Find<QAbstractButton>(form, button)) control->click();
}

class DialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        TestApplication();
        watchdog_.setSingleShot(true);
        QObject::connect(&watchdog_, &QTimer::timeout, [] {
            // Hiding ends the dialog's modal loop even where closing is refused.
            while (QWidget* stray = QApplication::activeModalWidget()) {
                ADD_FAILURE() << "a dialog stayed open: " << stray->objectName().toStdString();
                stray->hide();
                QApplication::processEvents();
            }
        });
        watchdog_.start(8000);
    }

    // Runs the action on the modal dialog of type Form once the event loop gets to it.
    template <class Form>
    void whenOpen(std::function<void(Form&)> action)
    {
        QTimer::singleShot(0, &context_, [action] {
            auto* open = qobject_cast<Form*>(QApplication::activeModalWidget());
            ASSERT_NE(open, nullptr) << "the dialog is not open";
            action(*open);
        });
    }

private:
    QObject context_;  // timers of the test end with it
    QTimer watchdog_;
};
