#pragma once
// The number that the time-setting box edits, without any window: the spin
// steps and their clamp to 0..32700, the minimum that a non-zero value is
// raised to on confirmation, and the texts shown for the value.
#include <QString>

// The steps of SpinButton1, SpinButton2 and SpinButton3.
inline constexpr int SpinSteps[3] = {1, 10, 60};

class TimeSetValue {
public:
    static constexpr int Lowest = 0;
    static constexpr int Highest = 32700;

    // The value is clamped into 0..32700; a minimum outside it is clamped too.
    TimeSetValue(int value, int minimum);

    int value() const { return value_; }
    int minimum() const { return minimum_; }

    // Adds a spin step (negative for a down half) and clamps the sum.
    void step(int amount);
    // A value above 0 but below the minimum becomes the minimum; true when it
    // changed. Zero stays zero.
    bool raiseToMinimum();

private:
    int value_;
    int minimum_;
};

// The unit the box shows: the count unit "個" when the box has no message.
QString ShownUnit(const QString& message, const QString& unit);
// The value followed by its unit, as Label2 shows it.
QString ValueText(int value, const QString& unit);
// The confirmation question: target + "を、" + line break + value + unit + "に、設定します".
QString ConfirmationText(const QString& target, int value, const QString& unit);
