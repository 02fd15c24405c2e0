#include "H_DIRFM.h"

#include <QComboBox>
#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QSplitter>
#include <QVBoxLayout>

#include "BrowserTexts.h"
#include "ColorBtn.h"
#include "FileListing.h"

namespace {

// Neither list of the splitter gets smaller than this.
constexpr int MinimumPaneHeight = 10;

QString CountText(int count)
{
    return QString::number(count) + BrowserTexts::CountSuffix;
}

template <class Control>
Control* Named(Control* control, const char* name)
{
    control->setObjectName(QString::fromLatin1(name));
    return control;
}

}  // namespace

TH_DIRBox::TH_DIRBox(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("H_DIRBox"));
    createControls();
    layOut();
    connect(ListBox_DIR, &QListWidget::currentRowChanged, this, &TH_DIRBox::ListBox_DIRClick);
    connect(FilterComboBox1, &QComboBox::currentIndexChanged, this, &TH_DIRBox::FilterComboBox1Change);
    connect(ColorBtn_OK, &QPushButton::clicked, this, &TH_DIRBox::ColorBtn_OKClick);
    connect(ColorBtn_CAN, &QPushButton::clicked, this, &QDialog::reject);
}

void TH_DIRBox::createControls()
{
    Label1 = Named(new QLabel(BrowserTexts::HistoryTitle, this), "Label1");
    Label_DIR_Kosu = Named(new QLabel(CountText(0), this), "Label_DIR_Kosu");
    ListBox_DIR = Named(new QListWidget(this), "ListBox_DIR");
    ListBox_DIR->setToolTip(BrowserTexts::HistoryListHint);
    FileListBox1 = Named(new QListWidget(this), "FileListBox1");
    FilterComboBox1 = Named(new QComboBox(this), "FilterComboBox1");
    FilterComboBox1->setToolTip(BrowserTexts::HistoryFilterHint);
    Label_FILE_Kosu = Named(new QLabel(CountText(0), this), "Label_FILE_Kosu");
    ColorBtn_OK = Named(new ColorBtn(BrowserTexts::HistoryOkCaption, this), "ColorBtn_OK");
    ColorBtn_OK->setToolTip(BrowserTexts::HistoryOkHint);
    ColorBtn_OK->setDefault(true);
    ColorBtn_CAN = Named(new ColorBtn(BrowserTexts::HistoryCancelCaption, this), "ColorBtn_CAN");
    ColorBtn_CAN->setToolTip(BrowserTexts::HistoryCancelHint);
}

void TH_DIRBox::layOut()
{
    auto* top = new QHBoxLayout;
    top->addWidget(Label1, 1);
    top->addWidget(Label_DIR_Kosu);

    auto* files = new QWidget(this);
    auto* fileLayout = new QVBoxLayout(files);
    fileLayout->setContentsMargins(0, 0, 0, 0);
    auto* filterRow = new QHBoxLayout;
    filterRow->addWidget(FilterComboBox1, 1);
    filterRow->addWidget(Label_FILE_Kosu);
    fileLayout->addLayout(filterRow);
    fileLayout->addWidget(FileListBox1, 1);

    Panel_V = Named(new QSplitter(Qt::Vertical, this), "Panel_V");
    Panel_V->addWidget(ListBox_DIR);
    Panel_V->addWidget(files);
    Panel_V->setChildrenCollapsible(false);
    ListBox_DIR->setMinimumHeight(MinimumPaneHeight);
    files->setMinimumHeight(MinimumPaneHeight);
    Panel_V->setStretchFactor(0, 2);
    Panel_V->setStretchFactor(1, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ColorBtn_OK);
    buttons->addWidget(ColorBtn_CAN);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(Panel_V, 1);
    layout->addLayout(buttons);
    resize(520, 420);
}

void TH_DIRBox::setFolders(const QStringList& folders)
{
    ListBox_DIR->clear();
    ListBox_DIR->addItems(folders);
    Label_DIR_Kosu->setText(CountText(static_cast<int>(folders.size())));
    if (!folders.isEmpty()) ListBox_DIR->setCurrentRow(0);
    fillFiles();
}

void TH_DIRBox::setFilter(const QString& filter, int index)
{
    const QStringList parts = filter.split(u'|');
    QSignalBlocker quiet(FilterComboBox1);
    FilterComboBox1->clear();
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2)
        if (!parts.at(i).isEmpty()) FilterComboBox1->addItem(parts.at(i), parts.at(i + 1));
    FilterComboBox1->setCurrentIndex(index >= 0 && index < FilterComboBox1->count() ? index : 0);
    fillFiles();
}

int TH_DIRBox::selectedFolder() const
{
    const QListWidgetItem* item = ListBox_DIR->currentItem();
    return item && item->isSelected() ? ListBox_DIR->row(item) : -1;
}

void TH_DIRBox::ListBox_DIRClick()
{
    fillFiles();
}

void TH_DIRBox::FilterComboBox1Change()
{
    fillFiles();
}

void TH_DIRBox::fillFiles()
{
    FileListBox1->clear();
    const QListWidgetItem* folder = ListBox_DIR->currentItem();
    if (folder) {
        const QString maskText = FilterComboBox1->count() ? FilterComboBox1->currentData().toString() : BrowserTexts::AllMask;
        const QStringList masks = SplitMasks(maskText);
        const QDir dir(folder->text());
        for (const QString& name : dir.entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name))
            for (const QString& mask : masks)
                if (MatchesMask(name, mask)) {
                    FileListBox1->addItem(name);
                    break;
                }
    }
    Label_FILE_Kosu->setText(CountText(FileListBox1->count()));
}

void TH_DIRBox::ColorBtn_OKClick()
{
    if (ListBox_DIR->count() == 0 || selectedFolder() < 0) return;
    accept();
}
