#include "WindowGeometry.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QSplitter>
#include <QWindow>

#include <numeric>

#include "FileFace.h"
#include "VANTRO_FM.h"
#include "WindowPlacement.h"
#include "WorkArea.h"

namespace {

// The splitters whose sizes FSPLIT keeps, in its order.
constexpr const char* kSplitterNames[] = {"Splitter_Face", "Splitter_Top", "Splitter_DIR"};

std::vector<QSplitter*> Splitters(const TTALVO_VANTRO& window)
{
    std::vector<QSplitter*> splitters;
    for (const char* name : kSplitterNames)
        if (auto* splitter = window.Panel_DFF->findChild<QSplitter*>(QString::fromLatin1(name)))
            splitters.push_back(splitter);
    return splitters;
}

// A splitter's first sizes: its room shared in the proportions of its
// parts' stretch factors.
QList<int> FirstSizes(const QSplitter& splitter)
{
    const QList<int> sizes = splitter.sizes();
    QList<int> shares;
    for (int part = 0; part < splitter.count(); ++part) {
        const QSizePolicy policy = splitter.widget(part)->sizePolicy();
        shares.append(std::max(splitter.orientation() == Qt::Horizontal ? policy.horizontalStretch() : policy.verticalStretch(), 1));
    }
    const int room = std::accumulate(sizes.begin(), sizes.end(), 0);
    const int total = std::accumulate(shares.begin(), shares.end(), 0);
    QList<int> first;
    for (int share : shares) first.append(room * share / total);
    return first;
}

// The stored sizes where they match the splitters, else their first sizes.
void SizeSplitters(const TTALVO_VANTRO& window, const QString& stored)
{
    const std::optional<std::vector<QList<int>>> sizes = ParseSplitterSizes(stored);
    const std::vector<QSplitter*> splitters = Splitters(window);
    const bool matches = sizes && sizes->size() == splitters.size();
    for (size_t i = 0; i < splitters.size(); ++i) {
        const bool kept = matches && (*sizes)[i].size() == splitters[i]->count();
        splitters[i]->setSizes(kept ? (*sizes)[i] : FirstSizes(*splitters[i]));
    }
}

// What waits for the window to be shown. The splitters are sized once they
// have their room (sizes set before would be shared out again when the
// window is first laid out). The window's frame is not known before it is
// mapped, so it was placed by its client size; on its first exposure the
// frame is known and the framed window is held inside the work area.
class FirstShow : public QObject {
public:
    FirstShow(TTALVO_VANTRO& window, const QString& splitterSizes)
        : QObject(&window), window_(window), splitterSizes_(splitterSizes)
    {
        window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == &window_ && event->type() == QEvent::Show && !shown_) {
            shown_ = true;
            SizeSplitters(window_, splitterSizes_);
            if (window_.windowHandle()) window_.windowHandle()->installEventFilter(this);
        }
        if (watched == window_.windowHandle() && event->type() == QEvent::Expose && window_.windowHandle()->isExposed()) {
            holdFrameInside();
            deleteLater();
        }
        return false;
    }

private:
    void holdFrameInside()
    {
        GetWorkArea();
        const FramedPlacement fitted =
            FitFramedWindow(window_.pos(), window_.size(), window_.windowHandle()->frameMargins(), WorkArea);
        if (fitted.client != window_.size()) window_.resize(fitted.client);
        if (fitted.position != window_.pos()) window_.move(fitted.position);
    }

    TTALVO_VANTRO& window_;
    QString splitterSizes_;
    bool shown_ = false;
};

}  // namespace

WindowGeometry OpeningGeometry(const TTALVO_VANTRO& window)
{
    GetWorkArea();
    QScreen* screen = QGuiApplication::primaryScreen();
    const QSize screenSize = screen ? screen->geometry().size() : QSize(WorkArea.width, WorkArea.height);
    return {window.size(), screenSize, WorkArea};
}

void ApplyWindowGeometry(TTALVO_VANTRO& window, const SettingsValues& values)
{
    window.resize(values.FS);
    window.move(values.FP);
    new FirstShow(window, values.FSPLIT);
}

void TakeWindowGeometry(const TTALVO_VANTRO& window, ShutdownControls& controls)
{
    controls.windowPosition = window.pos();
    // A maximised window keeps the size it returns to.
    controls.windowSize = window.isMaximized() || window.isFullScreen() ? window.normalGeometry().size() : window.size();
    std::vector<QList<int>> sizes;
    for (const QSplitter* splitter : Splitters(window)) sizes.push_back(splitter->sizes());
    controls.splitterSizes = SplitterSizesText(sizes);
}
