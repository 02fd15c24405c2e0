#include "FileFace.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
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
        new QVBoxLayout(page);
        TabSheets[index] = page;
        PageControl1->addTab(page, QString::fromUtf8(kTabCaptions[index]));
    }

    auto* top = new QHBoxLayout;
    top->addWidget(browserArea, 2);
    top->addWidget(cutListArea, 1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addLayout(top, 3);
    layout->addWidget(PageControl1, 2);
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
    return line;
}

int TFileFace::tabSheetIndex(const QWidget* page) const
{
    const auto found = std::find(TabSheets.begin(), TabSheets.end(), page);
    return found == TabSheets.end() ? -1 : static_cast<int>(found - TabSheets.begin());
}
