#include "FileFace.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QSplitter>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>

#include "WindowTexts.h"

namespace {

constexpr const char* kTabCaptions[BatchTabCount] = {
    WindowTexts::TabSheet1, WindowTexts::TabSheet2, WindowTexts::TabSheet3,
    WindowTexts::TabSheet4, WindowTexts::TabSheet5, WindowTexts::TabSheet6,
};

// A place for controls that a later part of the face puts there.
QWidget* Area(QWidget* parent, const char* name)
{
    auto* area = new QFrame(parent);
    area->setObjectName(QString::fromLatin1(name));
    area->setFrameShape(QFrame::StyledPanel);
    auto* layout = new QVBoxLayout(area);
    layout->setContentsMargins(0, 0, 0, 0);
    return area;
}

// A splitter of two parts that can be made small but never vanish; the
// first takes three fifths of the room, and of any room gained or lost.
QSplitter* Splitter(Qt::Orientation orientation, const char* name, QWidget* first, QWidget* second)
{
    auto* splitter = new QSplitter(orientation);
    splitter->setObjectName(QString::fromLatin1(name));
    splitter->setChildrenCollapsible(false);
    splitter->addWidget(first);
    splitter->addWidget(second);
    splitter->setStretchFactor(0, 3);
    splitter->setStretchFactor(1, 2);
    return splitter;
}

}  // namespace

TFileFace::TFileFace(WindowState& state, QWidget* parent)
    : QFrame(parent), state_(state)
{
    setObjectName(QStringLiteral("Panel_DFF"));
    browserArea = Area(this, "browserArea");
    cutListArea = Area(this, "cutListArea");

    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    for (int index = 0; index < BatchTabCount; ++index) {
        auto* page = new QWidget(PageControl1);
        page->setObjectName(QStringLiteral("TabSheet%1").arg(index + 1));
        (new QVBoxLayout(page))->setContentsMargins(4, 4, 4, 4);
        TabSheets[index] = page;
        PageControl1->addTab(page, QString::fromUtf8(kTabCaptions[index]));
    }

    // The browser takes the larger part of the width, the upper half the
    // larger part of the height; widening the window widens both sides.
    Splitter_Top = Splitter(Qt::Horizontal, "Splitter_Top", browserArea, cutListArea);
    Splitter_Face = Splitter(Qt::Vertical, "Splitter_Face", Splitter_Top, PageControl1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(Splitter_Face, 1);
    layout->addWidget(buildStatusLine());
}

QWidget* TFileFace::buildStatusLine()
{
    auto* line = new QWidget(this);
    Edit_File_Disp = new QLineEdit(line);
    Edit_File_Disp->setObjectName(QStringLiteral("Edit_File_Disp"));
    Edit_File_Disp->setReadOnly(true);
    auto* layout = new QHBoxLayout(line);
    layout->setContentsMargins(4, 0, 4, 0);
    layout->addWidget(new QLabel(QString::fromUtf8(WindowTexts::PlayFileLabel), line));
    layout->addWidget(Edit_File_Disp, 1);
    ProgressBar_Batch = new QProgressBar(line);
    ProgressBar_Batch->setObjectName(QStringLiteral("ProgressBar_Batch"));
    ProgressBar_Batch->setFormat(QStringLiteral("%v/%m"));
    ProgressBar_Batch->setMaximumWidth(160);
    ProgressBar_Batch->hide();
    layout->addWidget(ProgressBar_Batch);
    return line;
}

void TFileFace::setTabSheet(int index, QWidget* page)
{
    QWidget* plain = TabSheets.at(index);
    const QString caption = PageControl1->tabText(index);
    const bool current = PageControl1->currentIndex() == index;
    PageControl1->removeTab(index);
    PageControl1->insertTab(index, page, caption);
    if (current) PageControl1->setCurrentIndex(index);
    TabSheets[index] = page;
    delete plain;
}

int TFileFace::tabSheetIndex(const QWidget* page) const
{
    const auto found = std::find(TabSheets.begin(), TabSheets.end(), page);
    return found == TabSheets.end() ? -1 : static_cast<int>(found - TabSheets.begin());
}
