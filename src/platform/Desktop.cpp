#include "Desktop.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QProcess>
#include <QUrl>

#include <optional>
#include <utility>

#include "DesktopOpener.h"
#include "TextViewer.h"

namespace {

// Opens a local file in the desktop's viewer, or in the program's own when
// the desktop has none to start. False only when the file cannot be read:
// the viewer would report a missing file later, in its own window, or not
// at all, so it is read first.
bool OpenLocalFile(const QUrl& file)
{
    const std::optional<ViewerPage> page = ReadViewerPage(file);
    if (!page) return false;
    const auto showOwn = [page = *page] { ShowViewerPage(page); };
    if (!OpenWithDesktop(file, showOwn)) showOwn();
    return true;
}

// The desktop of the session: its default viewer for files, its browser for
// URLs, its clipboard. Each needs a running GUI application.
class SystemDesktop final : public Desktop {
public:
    bool openFile(const QString& path) override { return qGuiApp && OpenLocalFile(QUrl::fromLocalFile(path)); }

    bool openUrl(const QString& url) override
    {
        const QUrl target(url);
        if (!qGuiApp || !target.isValid()) return false;
        return target.isLocalFile() ? OpenLocalFile(target) : OpenWithDesktop(target, {});
    }

    void setClipboardText(const QString& text) override
    {
        if (!qGuiApp) return;
        if (QClipboard* clipboard = QGuiApplication::clipboard()) clipboard->setText(text);
    }

    QString clipboardText() const override
    {
        if (!qGuiApp) return {};
        const QClipboard* clipboard = QGuiApplication::clipboard();
        return clipboard ? clipboard->text() : QString();
    }

    bool startProgram(const QString& program, const QStringList& arguments) override
    {
        return QProcess::startDetached(program, arguments);
    }
};

// The program's desktop; empty until first used or after an empty replacement,
// when the system desktop is made again.
std::unique_ptr<Desktop>& Current()
{
    static std::unique_ptr<Desktop> current;
    return current;
}

}  // namespace

Desktop& desktop()
{
    std::unique_ptr<Desktop>& current = Current();
    if (!current) current = std::make_unique<SystemDesktop>();
    return *current;
}

std::unique_ptr<Desktop> replaceDesktop(std::unique_ptr<Desktop> replacement)
{
    return std::exchange(Current(), std::move(replacement));
}
