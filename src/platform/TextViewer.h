#pragma once
// The program's own read-only viewer, shown when the desktop has no viewer to
// start: a text file (UTF-8, or CP932 from earlier versions) or an HTML page
// of the program, in a window whose text can be selected and copied but not
// changed, so that a record is always readable.
#include <QDialog>
#include <QString>
#include <QUrl>

#include <optional>

class QTextBrowser;

// What a viewer shows, read when it was asked for.
struct ViewerPage {
    QString caption;
    QString plainText;  // a text file's text
    QUrl htmlPage;      // or an HTML page (with its anchor), when set
};

// The page of a local file (a file URL; a page ending in .html or .htm is
// shown as HTML at the URL's anchor). Nothing when it is no readable file.
std::optional<ViewerPage> ReadViewerPage(const QUrl& file);

class TextViewer : public QDialog {
    Q_OBJECT
public:
    explicit TextViewer(const ViewerPage& page, QWidget* parent = nullptr);

    QTextBrowser* ViewerText;
};

// Opens a viewer window for the page and brings it to the front. It is not
// modal, lives on after the window that asked for it, and deletes itself
// when closed.
TextViewer* ShowViewerPage(const ViewerPage& page);
