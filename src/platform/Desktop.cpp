#include "Desktop.h"

#include <QClipboard>
#include <QDesktopServices>
#include <QFileInfo>
#include <QGuiApplication>
#include <QUrl>

#include <utility>

namespace {

// The desktop of the session: its default viewer for files, its browser for
// URLs, its clipboard. Each needs a running GUI application.
class SystemDesktop final : public Desktop {
public:
    bool openFile(const QString& path) override
    {
        // A missing file is a failure here: the viewer would only report it
        // later, in its own window, or not at all.
        if (!qGuiApp || !QFileInfo(path).isFile()) return false;
        return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
    }

    bool openUrl(const QString& url) override
    {
        const QUrl target(url);
        return qGuiApp && target.isValid() && QDesktopServices::openUrl(target);
    }

    void setClipboardText(const QString& text) override
    {
        if (!qGuiApp) return;
        if (QClipboard* clipboard = QGuiApplication::clipboard()) clipboard->setText(text);
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
