#include "WindowPlacement.h"

#include <algorithm>

#include "SettingsNumber.h"

QPoint CentredWindowPosition(QSize screen, QSize window)
{
    return {(screen.width() - window.width()) / 2, (screen.height() - window.height()) / 2};
}

std::optional<QPoint> ParseWindowPosition(const QString& text)
{
    const qsizetype comma = text.indexOf(QLatin1Char(','));
    if (comma < 0) return std::nullopt;
    const std::optional<int> left = DecimalNumber(text.left(comma));
    const std::optional<int> top = DecimalNumber(text.mid(comma + 1));
    if (!left || !top) return std::nullopt;
    return QPoint(*left, *top);
}

QString WindowPositionText(QPoint position)
{
    return QString::number(position.x()) + QLatin1Char(',') + QString::number(position.y());
}

namespace {

// One axis: first the far edge inside, then the near edge (which wins).
int ClampAxis(int position, int length, int workStart, int workLength)
{
    position = std::min(position, workStart + workLength - length);
    return std::max(position, workStart);
}

}  // namespace

QPoint ClampToWorkArea(QPoint position, QSize window, const WorkAreaRect& workArea)
{
    return {ClampAxis(position.x(), window.width(), workArea.left, workArea.width),
            ClampAxis(position.y(), window.height(), workArea.top, workArea.height)};
}

QPoint PlaceWindow(const QString& storedFP, QSize window, QSize screen, const WorkAreaRect& workArea)
{
    const QPoint position = ParseWindowPosition(storedFP).value_or(CentredWindowPosition(screen, window));
    return ClampToWorkArea(position, window, workArea);
}
