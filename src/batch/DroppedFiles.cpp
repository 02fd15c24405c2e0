#include "DroppedFiles.h"

#include <QAbstractItemView>
#include <QDir>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QUrl>

namespace {

bool CarriesLocalFiles(const QMimeData& data)
{
    const QList<QUrl> urls = data.urls();
    return std::any_of(urls.begin(), urls.end(), [](const QUrl& url) { return url.isLocalFile(); });
}

// Watches a view's viewport, where the drag and drop events arrive.
class FileDrops : public QObject {
public:
    FileDrops(QAbstractItemView* view, bool wavOnly, std::function<void(const QStringList&)> take)
        : QObject(view), wavOnly_(wavOnly), take_(std::move(take))
    {
        view->setDragDropMode(QAbstractItemView::DropOnly);
        view->setAcceptDrops(true);
        view->viewport()->setAcceptDrops(true);
        view->viewport()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::DragEnter:
        case QEvent::DragMove: {
            auto* drag = static_cast<QDragMoveEvent*>(event);
            if (CarriesLocalFiles(*drag->mimeData())) drag->acceptProposedAction();
            else drag->ignore();
            return true;
        }
        case QEvent::Drop: {
            auto* drop = static_cast<QDropEvent*>(event);
            drop->acceptProposedAction();
            const QStringList files = DroppedFiles(*drop->mimeData(), wavOnly_);
            if (!files.isEmpty()) take_(files);
            return true;
        }
        default: return QObject::eventFilter(watched, event);
        }
    }

private:
    bool wavOnly_;
    std::function<void(const QStringList&)> take_;
};

}  // namespace

QStringList DroppedFiles(const QMimeData& data, bool wavOnly)
{
    QStringList files;
    for (const QUrl& url : data.urls()) {
        if (!url.isLocalFile()) continue;
        const QFileInfo file(url.toLocalFile());
        if (!file.isFile()) continue;
        if (wavOnly && file.suffix().compare(QLatin1String("wav"), Qt::CaseInsensitive) != 0) continue;
        files << QDir::toNativeSeparators(file.absoluteFilePath());
    }
    return files;
}

void AcceptFileDrops(QAbstractItemView* view, bool wavOnly, std::function<void(const QStringList& paths)> take)
{
    new FileDrops(view, wavOnly, std::move(take));
}
