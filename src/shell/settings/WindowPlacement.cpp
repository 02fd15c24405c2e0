#include "WindowPlacement.h"

#include <algorithm>

#include <QStringList>

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

std::optional<QSize> ParseWindowSize(const QString& text)
{
    const std::optional<QPoint> sides = ParseWindowPosition(text);
    if (!sides || sides->x() <= 0 || sides->y() <= 0) return std::nullopt;
    return QSize(sides->x(), sides->y());
}

QString WindowSizeText(QSize size)
{
    return size.isValid() ? WindowPositionText(QPoint(size.width(), size.height())) : QString();
}

QSize ClampSizeToWorkArea(QSize window, const WorkAreaRect& workArea)
{
    return {std::min(window.width(), std::max(workArea.width, 1)), std::min(window.height(), std::max(workArea.height, 1))};
}

QSize SizeWindow(const QString& storedFS, QSize firstSize, const WorkAreaRect& workArea)
{
    return ClampSizeToWorkArea(ParseWindowSize(storedFS).value_or(firstSize), workArea);
}

FramedPlacement FitFramedWindow(QPoint position, QSize client, QMargins frame, const WorkAreaRect& workArea)
{
    const QSize framed = ClampSizeToWorkArea(client.grownBy(frame), workArea);
    return {ClampToWorkArea(position, framed, workArea), framed.shrunkBy(frame)};
}

std::optional<std::vector<QList<int>>> ParseSplitterSizes(const QString& text)
{
    if (text.isEmpty()) return std::nullopt;
    std::vector<QList<int>> splitters;
    for (const QString& splitter : text.split(QLatin1Char(';'))) {
        QList<int> sizes;
        for (const QString& size : splitter.split(QLatin1Char(','))) {
            const std::optional<int> number = DecimalNumber(size);
            if (!number || *number < 0) return std::nullopt;
            sizes.append(*number);
        }
        if (std::all_of(sizes.begin(), sizes.end(), [](int size) { return size == 0; })) return std::nullopt;
        splitters.push_back(sizes);
    }
    return splitters;
}

QString SplitterSizesText(const std::vector<QList<int>>& sizes)
{
    QStringList splitters;
    for (const QList<int>& splitter : sizes) {
        QStringList numbers;
        for (int size : splitter) numbers.append(QString::number(size));
        splitters.append(numbers.join(QLatin1Char(',')));
    }
    return splitters.join(QLatin1Char(';'));
}
