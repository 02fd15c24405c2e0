#include "TextViewer.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "TextFiles.h"

namespace {

// The caption follows the file's name.
const char* const kCaption = "%1（読み取り専用）";
const char* const kClose = "閉じる";

// Room for a log line of the widest kind and a screenful of lines, within
// the screen's free area.
QSize ViewerSize(const QWidget& viewer)
{
    const QFontMetrics metrics(viewer.font());
    QSize size(metrics.horizontalAdvance(QLatin1Char('0')) * 110, metrics.lineSpacing() * 34);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        size = size.boundedTo(screen->availableGeometry().size() * 9 / 10);
    return size;
}

bool IsHtmlPage(const QString& path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    return suffix == QLatin1String("html") || suffix == QLatin1String("htm");
}

}  // namespace

std::optional<ViewerPage> ReadViewerPage(const QUrl& file)
{
    if (!file.isLocalFile()) return std::nullopt;
    const QString path = file.toLocalFile();
    QFile source(path);
    if (!QFileInfo(path).isFile() || !source.open(QIODevice::ReadOnly)) return std::nullopt;
    ViewerPage page;
    page.caption = QString::fromUtf8(kCaption).arg(QFileInfo(path).fileName());
    if (IsHtmlPage(path)) page.htmlPage = file;
    else page.plainText = DecodeTextLines(source.readAll()).join(QLatin1Char('\n'));
    return page;
}

TextViewer::TextViewer(const ViewerPage& page, QWidget* parent)
    : QDialog(parent), ViewerText(new QTextBrowser(this))
{
    setObjectName(QStringLiteral("TextViewer"));
    setWindowTitle(page.caption);
    setWindowFlags(Qt::Window);  // a window of its own, as a viewer program's would be
    ViewerText->setObjectName(QStringLiteral("ViewerText"));
    ViewerText->setOpenExternalLinks(false);
    if (page.htmlPage.isValid()) {
        ViewerText->setSource(page.htmlPage, QTextDocument::HtmlResource);
    } else {
        // Records are laid out in columns: a fixed-pitch font, no wrapping.
        ViewerText->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
        ViewerText->setLineWrapMode(QTextEdit::NoWrap);
        ViewerText->setPlainText(page.plainText);
    }

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->button(QDialogButtonBox::Close)->setText(QString::fromUtf8(kClose));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(ViewerText);
    layout->addWidget(buttons);
    resize(ViewerSize(*ViewerText));
}

TextViewer* ShowViewerPage(const ViewerPage& page)
{
    auto* viewer = new TextViewer(page);
    viewer->setAttribute(Qt::WA_DeleteOnClose);
    viewer->show();
    viewer->raise();
    viewer->activateWindow();
    return viewer;
}
