#include "TimeSetValue.h"

#include <algorithm>

#include "TmSETTexts.h"

namespace {

int Clamped(int value)
{
    return std::clamp(value, TimeSetValue::Lowest, TimeSetValue::Highest);
}

}  // namespace

TimeSetValue::TimeSetValue(int value, int minimum)
    : value_(Clamped(value)), minimum_(Clamped(minimum))
{
}

void TimeSetValue::step(int amount)
{
    // Both operands lie within a few tens of thousands: the sum cannot overflow.
    value_ = Clamped(value_ + std::clamp(amount, -Highest, Highest));
}

bool TimeSetValue::raiseToMinimum()
{
    if (value_ <= 0 || value_ >= minimum_) return false;
    value_ = minimum_;
    return true;
}

QString ShownUnit(const QString& message, const QString& unit)
{
    return message.isEmpty() ? QString::fromUtf8(TmSETText::CountUnit) : unit;
}

QString ValueText(int value, const QString& unit)
{
    return QString::number(value) + unit;
}

QString ConfirmationText(const QString& target, int value, const QString& unit)
{
    return target + QString::fromUtf8(TmSETText::QuestionTarget) + "\n" + ValueText(value, unit)
           + QString::fromUtf8(TmSETText::QuestionEnd);
}
