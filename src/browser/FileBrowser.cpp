#include "FileBrowser.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QListWidget>
#include <QRadioButton>
#include <QScrollBar>
#include <QSplitter>
#include <QStackedWidget>
#include <QStandardItemModel>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "BrowserTexts.h"
#include "BusyCursor.h"
#include "ColorBtn.h"
#include "ColumnFit.h"
#include "DrivePictures.h"
#include "FileListing.h"
#include "FolderList.h"
#include "ListViewSupport.h"
#include "Mkdlg.h"
#include "YeNADDCUT.h"

namespace {

constexpr int PathRole = Qt::UserRole;
constexpr int PlaceholderRole = Qt::UserRole + 1;
constexpr int FileListSizeColumn = 1;
constexpr int FileListAttributeColumn = 3;
constexpr int RegistrationPathColumn = 1;
constexpr int RegistrationAttributeColumn = 4;
// The role of an attached list, kept on the list itself.
constexpr const char* PlayRoleProperty = "vantroPlayListRole";

QString Q(const std::string& text) { return QString::fromStdString(text); }

// A folder as the paths of its files begin: with a trailing separator.
QString PathStart(const std::string& folder)
{
    return Q(YenAdd(folder));
}

// A row of ListView1; it sorts by the rules of its column. Its texts are
// served from its row rather than copied into the item, so that a list of
// many thousand rows holds each text once; the path, the list's folder
// followed by the caption, is made only when asked for.
class FileListItem : public QTreeWidgetItem {
public:
    explicit FileListItem(FileRow&& row)
        : row_(std::move(row))
    {
        row_.path = QString();
    }

    QVariant data(int column, int role) const override
    {
        const bool shown = column >= 0 && column <= static_cast<int>(FileColumn::Attributes);
        if (shown && (role == Qt::DisplayRole || role == Qt::EditRole))
            return ColumnText(row_, static_cast<FileColumn>(column));
        if (role == Qt::TextAlignmentRole && (column == FileListSizeColumn || column == FileListAttributeColumn))
            return static_cast<int>(Qt::AlignRight | Qt::AlignVCenter);
        return QTreeWidgetItem::data(column, role);
    }

    bool operator<(const QTreeWidgetItem& other) const override
    {
        const int column = treeWidget() ? treeWidget()->sortColumn() : 0;
        return CompareByColumn(row_, static_cast<const FileListItem&>(other).row_, static_cast<FileColumn>(column)) < 0;
    }

    // The row with its path, given the PathStart() of the list's folder.
    FileRow rowIn(const QString& pathStart) const
    {
        FileRow row = row_;
        row.path = pathStart + row.caption;
        return row;
    }

private:
    FileRow row_;
};

// The tree's nodes are measured as the selected one is drawn, bold, so that
// the column sized to its contents shows every name whole.
class TreeNodeDrawer : public ListItemDrawer {
public:
    using ListItemDrawer::ListItemDrawer;

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QStyleOptionViewItem selected(option);
        selected.state |= QStyle::State_Selected;
        return ListItemDrawer::sizeHint(selected, index);
    }
};

template <class Control>
Control* Named(Control* control, const char* name)
{
    control->setObjectName(QString::fromLatin1(name));
    return control;
}

}  // namespace

TFileBrowser::TFileBrowser(TMKBoxDlg& box, MediaState& media, QWidget* parent)
    : QWidget(parent)
    , box_(box)
    , media_(media)
{
    setObjectName(QStringLiteral("FileBrowser"));
    createControls();
    layOut();
    setUpFileList();
    setDirNo(1);
    fillDrives();
}

void TFileBrowser::createControls()
{
    ComboBox2 = Named(new QComboBox(this), "ComboBox2");
    connect(ComboBox2, &QComboBox::activated, this, &TFileBrowser::ComboBox2Click);

    headerModel_ = new QStandardItemModel(0, 1, this);
    headerModel_->setHeaderData(0, Qt::Horizontal, BrowserTexts::FolderHeaderCaption);
    HeaderControl1 = Named(new QHeaderView(Qt::Horizontal, this), "HeaderControl1");
    HeaderControl1->setModel(headerModel_);
    HeaderControl1->setSectionsClickable(true);
    HeaderControl1->setStretchLastSection(true);
    HeaderControl1->setFixedHeight(HeaderControl1->sizeHint().height());
    connect(HeaderControl1, &QHeaderView::sectionClicked, this, [this] { HeaderControl1SectionClick(); });

    ListBox1 = Named(new QListWidget(this), "ListBox1");
    connect(ListBox1, &QListWidget::itemClicked, this, &TFileBrowser::ListBox1Click);
    TreeView1 = Named(new QTreeWidget(this), "TreeView1");
    TreeView1->setHeaderHidden(true);
    // Folder names show whole; a deep or long one scrolls sideways.
    TreeView1->setIndentation(12);
    TreeView1->header()->setStretchLastSection(false);
    TreeView1->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    TreeView1->setItemDelegate(new TreeNodeDrawer(-1, TreeView1));  // the selected node bold
    connect(TreeView1, &QTreeWidget::currentItemChanged, this, &TFileBrowser::TreeView1Change);
    connect(TreeView1, &QTreeWidget::itemExpanded, this, &TFileBrowser::TreeView1Expanding);
    Panel_DIR = Named(new QStackedWidget(this), "Panel_DIR");
    Panel_DIR->addWidget(TreeView1);
    Panel_DIR->addWidget(ListBox1);

    ListView1 = Named(new QTreeWidget(this), "ListView1");

    RadioGroup2 = Named(new QGroupBox(BrowserTexts::PlayModeCaption, this), "RadioGroup2");
    playButton_ = new QRadioButton(BrowserTexts::PlayModeOn, RadioGroup2);
    offButton_ = new QRadioButton(BrowserTexts::PlayModeOff, RadioGroup2);
    playButton_->setChecked(true);
    auto* group = new QButtonGroup(RadioGroup2);
    group->addButton(playButton_, 0);
    group->addButton(offButton_, 1);
    connect(group, &QButtonGroup::idClicked, this, &TFileBrowser::RadioGroup2Click);
    auto* radios = new QHBoxLayout(RadioGroup2);
    radios->addWidget(playButton_);
    radios->addWidget(offButton_);

    ColorBtn1 = Named(new ColorBtn(BrowserTexts::StopButtonCaption, this), "ColorBtn1");
    connect(ColorBtn1, &QPushButton::clicked, this, [this] {
        if (stopPlay) stopPlay();
    });
    Button_HIS = Named(new ColorBtn(BrowserTexts::HistoryButtonCaption, this), "Button_HIS");
    connect(Button_HIS, &QPushButton::clicked, this, &TFileBrowser::Button_HISClick);
}

void TFileBrowser::layOut()
{
    auto* folders = new QWidget(this);
    auto* folderLayout = new QVBoxLayout(folders);
    folderLayout->setContentsMargins(0, 0, 0, 0);
    folderLayout->setSpacing(0);
    folderLayout->addWidget(ComboBox2);
    folderLayout->addWidget(HeaderControl1);
    folderLayout->addWidget(Panel_DIR, 1);

    Splitter_DIR = Named(new QSplitter(Qt::Horizontal, this), "Splitter_DIR");
    Splitter_DIR->setChildrenCollapsible(false);
    Splitter_DIR->addWidget(folders);
    Splitter_DIR->addWidget(ListView1);
    Splitter_DIR->setStretchFactor(0, 1);
    Splitter_DIR->setStretchFactor(1, 2);

    auto* controls = new QHBoxLayout;
    controls->addWidget(RadioGroup2);
    controls->addWidget(ColorBtn1);
    controls->addWidget(Button_HIS);
    controls->addStretch(1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(Splitter_DIR, 1);
    layout->addLayout(controls);
}

void TFileBrowser::setUpFileList()
{
    ListView1->setColumnCount(4);
    ListView1->setHeaderLabels({FileCountCaption(0), BrowserTexts::ColumnSize, BrowserTexts::ColumnDate,
                                BrowserTexts::ColumnAttributes});
    ListView1->setRootIsDecorated(false);
    ListView1->setUniformRowHeights(true);
    ListView1->setSelectionMode(QAbstractItemView::ExtendedSelection);
    ListView1->setSelectionBehavior(QAbstractItemView::SelectRows);
    ListView1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ListView1->header()->setSectionsClickable(true);
    ListView1->header()->setStretchLastSection(false);
    connect(ListView1->header(), &QHeaderView::sectionClicked, this, &TFileBrowser::ListView1ColumnClick);
    attachList(ListView1, PlayListRole::FileList);
    // Size, date and attributes show whole; the names take the rest of the
    // width and keep their ends (the extension) when they must be shortened.
    ListView1->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    ListView1->setTextElideMode(Qt::ElideMiddle);
    KeepColumnsFitted(*ListView1, {1, 2, 3});
}

void TFileBrowser::attachList(QTreeWidget* list, PlayListRole role)
{
    if (!list || list->property(PlayRoleProperty).isValid()) return;
    list->setProperty(PlayRoleProperty, static_cast<int>(role));
    if (role == PlayListRole::CutList) cutList_ = list;
    const int attributeColumn = role == PlayListRole::FileList ? FileListAttributeColumn : RegistrationAttributeColumn;
    list->setItemDelegate(new ListItemDrawer(attributeColumn, list));
    list->installEventFilter(new PlayKeyFilter([this, list](int key) { ListView1KeyUp(list, key); }, list));
    connect(list, &QTreeWidget::itemClicked, this, [this, list] { ListView1Click(list); });
    connect(list, &QTreeWidget::itemDoubleClicked, this, [this, list] { ListView1DblClick(list); });
}

PlayListRole TFileBrowser::roleOf(QTreeWidget* list)
{
    const QVariant role = list->property(PlayRoleProperty);
    return role.isValid() ? static_cast<PlayListRole>(role.toInt()) : PlayListRole::BatchList;
}

// ---- state ----

void TFileBrowser::setDirNo(int dirNo)
{
    dirNo_ = dirNo;
    Panel_DIR->setCurrentWidget(dirNo_ == 0 ? static_cast<QWidget*>(TreeView1) : ListBox1);
    if (!current_.empty()) refreshFolderView();
}

void TFileBrowser::setAllFiles(bool all)
{
    if (all == allFiles_) return;
    allFiles_ = all;
    if (!current_.empty()) FillFileList(currentFolder());
}

bool TFileBrowser::playOnClick() const
{
    return playButton_->isChecked();
}

bool TFileBrowser::switchPlayModeOff()
{
    if (!playOnClick()) return false;
    offButton_->setChecked(true);
    RadioGroup2Click();
    return true;
}

void TFileBrowser::RadioGroup2Click()
{
    if (offButton_->isChecked() && closeDevice) closeDevice();
}

QString TFileBrowser::selectedCaption() const
{
    const QList<QTreeWidgetItem*> selected = ListView1->selectedItems();
    return selected.isEmpty() ? QString() : selected.front()->text(0);
}

void TFileBrowser::selectCaption(const QString& caption)
{
    if (caption.isEmpty()) return;
    for (int row = 0; row < ListView1->topLevelItemCount(); ++row) {
        if (ListView1->topLevelItem(row)->text(0) != caption) continue;
        TreeWidgetPlayList(*ListView1, 0).selectOnly(row);
        if (ListView1->isVisible()) ListView1->setFocus();
        return;
    }
}

// ---- file list ----

void TFileBrowser::setFileCaption(const QString& caption)
{
    ListView1->headerItem()->setText(0, caption);
}

QString TFileBrowser::FillFileList(const QString& folder)
{
    if (filling_) return {};
    filling_ = true;
    BusyCursor busy;
    const QString previousCaption = ListView1->headerItem()->text(0);
    setFileCaption(FileCountCaption(std::nullopt));
    ListView1->header()->repaint();

    std::string path = YenCut(folder.toStdString());
    std::optional<std::vector<FileRow>> rows;
    if (!path.empty() && (FolderExists(path) || ResolveFolderPath(path)))
        rows = ListFolderFiles(path, SplitMasks(FileMaskText(allFiles_)));
    if (!rows) {
        setFileCaption(previousCaption);
        filling_ = false;
        return BrowserTexts::FolderFailure;
    }

    path = YenCut(path);
    QDir::setCurrent(Q(path));
    current_ = path;
    H_DIRBoxDlg1.setNewDIR(Q(path));
    driveFolders_[driveRootOf(path)] = path;

    // The old rows go before the new ones are made, so that both are never
    // held at once; the new ones arrive in one insertion.
    ListView1->clear();
    QList<QTreeWidgetItem*> items;
    items.reserve(static_cast<qsizetype>(rows->size()));
    for (FileRow& row : *rows) items.append(new FileListItem(std::move(row)));
    rows.reset();
    ListView1->addTopLevelItems(items);
    setFileCaption(FileCountCaption(static_cast<int>(items.size())));
    selectDriveOf(path);
    filling_ = false;
    return {};
}

void TFileBrowser::ListView1ColumnClick(int column)
{
    if (column < 0 || column >= static_cast<int>(descending_.size())) return;
    descending_[column] = !descending_[column];
    QTreeWidgetItem* selected = ListView1->currentItem();
    ListView1->sortItems(column, descending_[column] ? Qt::DescendingOrder : Qt::AscendingOrder);
    ListView1->header()->setSortIndicatorShown(false);
    if (selected) {
        ListView1->setCurrentItem(selected);
        selected->setSelected(true);
        ListView1->scrollToItem(selected);
    }
}

// ---- folders and drives ----

std::string TFileBrowser::driveRootOf(const std::string& folder) const
{
    std::vector<std::string> roots;
    for (const Drive& drive : drives_) roots.push_back(drive.root);
    const int index = DriveIndexOf(roots, folder);
    if (index >= 0) return drives_[index].root;
    const std::string root = DriveOfPath(folder);
    return root.empty() ? std::string(1, NativeSeparator) : root;
}

void TFileBrowser::selectDriveOf(const std::string& folder)
{
    std::vector<std::string> roots;
    for (const Drive& drive : drives_) roots.push_back(drive.root);
    const int index = DriveIndexOf(roots, folder);
    if (index >= 0) {
        QSignalBlocker quiet(ComboBox2);
        ComboBox2->setCurrentIndex(index);
    }
}

bool TFileBrowser::ChangeFolder(const QString& folder)
{
    if (FillFileList(folder).isEmpty()) {
        refreshFolderView();
        return true;
    }
    MKError(box_, BrowserTexts::FolderErrorHead + folder + u'\n' + BrowserTexts::FolderErrorTail, MKAnswer::OK);
    if (FillFileList(Q(driveRootOf(folder.toStdString()))).isEmpty()) {
        refreshFolderView();
        return true;
    }
    MKError(box_, BrowserTexts::FolderRecoveryFailed, MKAnswer::OK);
    return false;
}

void TFileBrowser::fillDrives()
{
    drives_ = ListDrives();
    QSignalBlocker quiet(ComboBox2);
    ComboBox2->clear();
    for (const Drive& drive : drives_) ComboBox2->addItem(DrivePicture(drive.type), Q(DriveEntryText(drive)));
    selectDriveOf(current_);
}

void TFileBrowser::ComboBox2Click(int index)
{
    if (changingDrive_ || index < 0 || index >= static_cast<int>(drives_.size())) return;
    changingDrive_ = true;
    BusyCursor busy;
    const Drive drive = drives_[index];
    if (DriveFreeSize(drive.root) < 0) {
        MKError(box_, BrowserTexts::DriveErrorText, MKAnswer::OK);
        selectDriveOf(current_);
        if (!current_.empty()) ChangeFolder(currentFolder());
        changingDrive_ = false;
        return;
    }
    ComboBox2->setItemText(index, Q(DriveEntryText(drive)));
    const auto remembered = driveFolders_.find(drive.root);
    ChangeFolder(Q(remembered != driveFolders_.end() ? remembered->second : drive.root));
    changingDrive_ = false;
}

void TFileBrowser::HeaderControl1SectionClick()
{
    setDirNo(dirNo_ == 0 ? 1 : 0);
}

void TFileBrowser::setHeaderCaption(const QString& caption)
{
    headerModel_->setHeaderData(0, Qt::Horizontal, caption);
    // The folder views are never made narrower than their caption.
    HeaderControl1->setMinimumWidth(HeaderControl1->sectionSizeHint(0));
}

void TFileBrowser::refreshFolderView()
{
    BusyCursor busy;
    updatingViews_ = true;
    if (dirNo_ == 0) fillFolderTree();
    else fillFolderList();
    updatingViews_ = false;
}

void TFileBrowser::fillFolderList()
{
    setHeaderCaption(FolderCountCaption(std::nullopt));
    ListBox1->clear();
    for (const std::string& entry : FolderListEntries(current_, Subfolders(current_))) ListBox1->addItem(Q(entry));
    const int depth = static_cast<int>(FolderLevels(current_).size());
    if (depth > 0 && depth <= ListBox1->count()) ListBox1->setCurrentRow(depth - 1);
    setHeaderCaption(FolderCountCaption(ListBox1->count()));
}

void TFileBrowser::ListBox1Click()
{
    std::vector<std::string> entries;
    for (int row = 0; row < ListBox1->count(); ++row) entries.push_back(ListBox1->item(row)->text().toStdString());
    const std::string target = FolderOfEntry(current_, entries, ListBox1->currentRow());
    if (!target.empty() && target != current_) ChangeFolder(Q(target));
}

QTreeWidgetItem* TFileBrowser::addTreeNode(QTreeWidgetItem* parent, const std::string& path, const QString& text)
{
    auto* node = parent ? new QTreeWidgetItem(parent, {text}) : new QTreeWidgetItem(TreeView1, {text});
    node->setData(0, PathRole, Q(path));
    ++treeNodes_;
    // Children are read when the node is first expanded.
    auto* placeholder = new QTreeWidgetItem(node);
    placeholder->setData(0, PlaceholderRole, true);
    return node;
}

void TFileBrowser::TreeView1Expanding(QTreeWidgetItem* item)
{
    if (!item || item->childCount() != 1 || !item->child(0)->data(0, PlaceholderRole).toBool()) return;
    delete item->takeChild(0);
    const std::string path = item->data(0, PathRole).toString().toStdString();
    for (const std::string& name : Subfolders(path)) addTreeNode(item, YenAdd(path) + name, Q(name));
    setHeaderCaption(TreeCountCaption(treeNodes_));
}

void TFileBrowser::fillFolderTree()
{
    TreeView1->clear();
    treeNodes_ = 0;
    const std::vector<std::string> levels = FolderLevels(current_);
    const std::vector<std::string> names = SplitFolderNames(current_);
    QTreeWidgetItem* node = nullptr;
    for (size_t level = 0; level < levels.size() && level < names.size(); ++level) {
        QTreeWidgetItem* next = nullptr;
        if (node) {
            node->setExpanded(true);  // reads its children
            for (int i = 0; i < node->childCount() && !next; ++i)
                if (node->child(i)->data(0, PathRole).toString() == Q(levels[level])) next = node->child(i);
        }
        node = next ? next : addTreeNode(node, levels[level], Q(names[level]));
    }
    if (node) {
        node->setExpanded(true);
        TreeView1->setCurrentItem(node);
        // In the middle, so that a scroll bar that the widest name brings
        // cannot hide it; the names are shown from their start.
        TreeView1->scrollToItem(node, QAbstractItemView::PositionAtCenter);
        TreeView1->horizontalScrollBar()->setValue(0);
    }
    setHeaderCaption(TreeCountCaption(treeNodes_));
}

void TFileBrowser::TreeView1Change(QTreeWidgetItem* item)
{
    if (updatingViews_ || !item || item->data(0, PlaceholderRole).toBool()) return;
    const QString path = item->data(0, PathRole).toString();
    if (!path.isEmpty() && path != currentFolder()) ChangeFolder(path);
}

// ---- play and history ----

void TFileBrowser::ListView1Click(QTreeWidget* list, bool doubleClick)
{
    if (!list || playing_ || (listsBusy && listsBusy())) return;
    if (!doubleClick && !playOnClick()) return;
    playing_ = true;
    const PlayListRole role = roleOf(list);
    EntryPlayOptions options;
    options.checksExistence = role != PlayListRole::FileList;
    options.deletesCutTimes = role == PlayListRole::CutList;
    options.programFolder = programFolder;
    const std::string folder = current_;
    TreeWidgetPlayList rows = role == PlayListRole::FileList
        ? TreeWidgetPlayList(*list, 0, [folder](const QString& caption) { return PathStart(folder) + caption; })
        : TreeWidgetPlayList(*list, RegistrationPathColumn);
    const int rowsBefore = list->topLevelItemCount();
    PlayEntry(rows, box_, options, [this, list](const QString& path) {
        if (playFile) playFile(path, list);
    });
    playing_ = false;
    if (list->topLevelItemCount() != rowsBefore && rowsRemoved) rowsRemoved();
}

void TFileBrowser::ListView1DblClick(QTreeWidget* list) { ListView1Click(list, true); }

void TFileBrowser::ListView1KeyUp(QTreeWidget* list, int key)
{
    if (PlayKeyFilter::isPlayKey(key)) ListView1Click(list);
}

bool TFileBrowser::isFileFaceList(const QObject* list) const
{
    return list && list->property(PlayRoleProperty).isValid();
}

void TFileBrowser::PlayNextFile()
{
    auto* list = qobject_cast<QTreeWidget*>(media_.CurrentList.data());
    const bool goesOn = playOnClick() && !media_.AbortFlag && !media_.ClosingFlag && isFileFaceList(list) &&
                        list->topLevelItemCount() > 0;
    if (!goesOn) {
        media_.NotifyBusy = false;
        return;
    }
    TreeWidgetPlayList rows(*list, 0);
    const int next = rows.selectedRow() + 1;
    if (window()->isActiveWindow() && list->isVisible() && list->isEnabled()) list->setFocus();
    rows.selectOnly(next < rows.count() ? next : 0);
    QCoreApplication::processEvents();
    media_.NotifyBusy = false;
    ListView1Click(list);
}

void TFileBrowser::SeekPlay()
{
    if (!isFileFaceList(media_.CurrentList)) media_.CurrentList = nullptr;
    auto* list = qobject_cast<QTreeWidget*>(media_.CurrentList.data());
    if (!list) list = cutList_ && cutList_->topLevelItemCount() > 0 ? cutList_.data() : ListView1;
    ListView1Click(list);
    // A position belongs to the play it was chosen in: when nothing played
    // from it, the next file clicked starts at its beginning.
    media_.SeekPending = false;
}

void TFileBrowser::Button_HISClick()
{
    H_DIRBoxDlg1.Filter = BrowserTexts::HistoryFilter;
    H_DIRBoxDlg1.FilterIndex = allFiles_ ? 1 : 0;
    if (H_DIRBoxDlg1.Execute(currentFolder(), window()) != 1 || H_DIRBoxDlg1.history().isEmpty()) return;
    ChangeFolder(WithoutTrailingSeparator(H_DIRBoxDlg1.history().entries().front()));
}

QList<FileRow> TFileBrowser::selectedRows() const
{
    QList<FileRow> rows;
    const QString pathStart = PathStart(current_);
    for (int i = 0; i < ListView1->topLevelItemCount(); ++i) {
        auto* item = dynamic_cast<const FileListItem*>(ListView1->topLevelItem(i));
        if (item && item->isSelected()) rows.append(item->rowIn(pathStart));
    }
    return rows;
}

QList<FileRow> TFileBrowser::allRows()
{
    ListView1->selectAll();
    return selectedRows();
}
