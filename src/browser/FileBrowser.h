#pragma once
// TFileBrowser: the browser part of the file face: the drive choice
// ComboBox2, the folder views ListBox1 and TreeView1 under HeaderControl1,
// the file list ListView1, the play mode RadioGroup2, the stop button
// ColorBtn1 and the folder history button Button_HIS.
//
// The browser plays nothing itself: a clicked file goes to `playFile`, the
// stop button to `stopPlay`. The registration lists join the same click,
// key and drawing behaviour through attachList().
#include <QList>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <array>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "Drives.h"
#include "FileRow.h"
#include "H_DIRdlg.h"
#include "MediaState.h"

class ColorBtn;
class QComboBox;
class QHeaderView;
class QListWidget;
class QRadioButton;
class QSplitter;
class QStackedWidget;
class QStandardItemModel;
class QTreeWidget;
class QTreeWidgetItem;
class TMKBoxDlg;

// The lists that share the play handler: the file list itself, the list of
// files to cut (ListView_M), and the batch tabs' registration lists.
enum class PlayListRole { FileList, CutList, BatchList };

class TFileBrowser : public QWidget {
    Q_OBJECT

public:
    // `media` is the program-wide device state: the list that played last,
    // the stop, closing and notification flags.
    TFileBrowser(TMKBoxDlg& box, MediaState& media, QWidget* parent = nullptr);

    // Plays a file; `list` is the list whose entry was clicked.
    std::function<void(const QString& path, QWidget* list)> playFile;
    // ColorBtn1 "再生停止".
    std::function<void()> stopPlay;
    // Stops and closes the device (the play mode turned to "OFF").
    std::function<void()> closeDevice;
    // Rows of a registration list were removed by the play handler.
    std::function<void()> rowsRemoved;
    // While it answers true (a batch is walking the lists) clicks play nothing.
    std::function<bool()> listsBusy;
    // The folder of the cut-time files, with a trailing separator.
    QString programFolder;

    // The current folder (CPath), without a trailing separator.
    QString currentFolder() const { return QString::fromStdString(current_); }
    // Folder view (DirNo): 0 shows the tree, 1 or more the folder list.
    int dirNo() const { return dirNo_; }
    void setDirNo(int dirNo);
    // The "ALL(*.*)" file mask (MF_ALL); a change refills the file list.
    bool allFiles() const { return allFiles_; }
    void setAllFiles(bool all);
    // RadioGroup2 on item 0 "PLAY": a single click plays.
    bool playOnClick() const;
    // Puts RadioGroup2 on "OFF" as its click does; true when it was on "PLAY".
    bool switchPlayModeOff();
    // The caption of the selected row of ListView1 (DIR_Text); empty when none.
    QString selectedCaption() const;
    // Selects, focuses and shows the first row with exactly this caption.
    void selectCaption(const QString& caption);
    // The rows of ListView1 in list order: the selected ones, or all of them
    // (which selects them all, so the user sees what was registered).
    QList<FileRow> selectedRows() const;
    QList<FileRow> allRows();

    // Fills ListView1 for a folder (with or without a trailing separator).
    // Empty on success, else the failure text "フォルダーエラー" to show;
    // the list and the current folder then stay as they were.
    QString FillFileList(const QString& folder);
    // Goes to a folder and refreshes the views; a folder that cannot be
    // listed is reported and its drive's root tried instead. False when
    // neither could be listed.
    bool ChangeFolder(const QString& folder);
    // ComboBox2Click: goes to the drive at an index of ComboBox2.
    void ComboBox2Click(int index);
    // HeaderControl1SectionClick: toggles between folder list and tree.
    void HeaderControl1SectionClick();
    // ListView1ColumnClick: flips the column's direction and sorts by it.
    void ListView1ColumnClick(int column);
    // The play handlers that the file list and the registration lists share.
    void ListView1Click(QTreeWidget* list, bool doubleClick = false);
    void ListView1DblClick(QTreeWidget* list);
    // Releasing Backspace, Enter, End, Home or an arrow key acts as a click.
    void ListView1KeyUp(QTreeWidget* list, int key);
    // What follows a play that ended on the file face (NotifyBusy held): in
    // "PLAY" mode, unless a stop or the closing came first, the row after
    // the selected one of the list that played (the first past the last)
    // is selected and played.
    void PlayNextFile();
    // A position was chosen on the seek bar: the list that played (or the
    // list of files to cut when it has rows, else the file list) plays its
    // selected file again from there.
    void SeekPlay();
    // True for the lists that share the play handler.
    bool isFileFaceList(const QObject* list) const;
    // Gives a registration list the click, key and drawing behaviour.
    void attachList(QTreeWidget* list, PlayListRole role);
    // Button_HISClick: the folder history box, then its chosen folder.
    void Button_HISClick();
    // RadioGroup2Click: choosing "OFF" stops and closes the device.
    void RadioGroup2Click();
    // Re-reads the drives into ComboBox2.
    void fillDrives();

    QComboBox* ComboBox2 = nullptr;
    QHeaderView* HeaderControl1 = nullptr;
    QStackedWidget* Panel_DIR = nullptr;
    QSplitter* Splitter_DIR = nullptr;  // the folder views | ListView1
    QListWidget* ListBox1 = nullptr;
    QTreeWidget* TreeView1 = nullptr;
    QTreeWidget* ListView1 = nullptr;
    QWidget* RadioGroup2 = nullptr;
    ColorBtn* ColorBtn1 = nullptr;
    ColorBtn* Button_HIS = nullptr;

    TH_DIRBoxDlg H_DIRBoxDlg1;

private slots:
    void ListBox1Click();
    void TreeView1Change(QTreeWidgetItem* item);
    void TreeView1Expanding(QTreeWidgetItem* item);

private:
    void createControls();
    void layOut();
    void setUpFileList();
    void refreshFolderView();
    void fillFolderList();
    void fillFolderTree();
    QTreeWidgetItem* addTreeNode(QTreeWidgetItem* parent, const std::string& path, const QString& text);
    void setHeaderCaption(const QString& caption);
    void setFileCaption(const QString& caption);
    void selectDriveOf(const std::string& folder);
    std::string driveRootOf(const std::string& folder) const;
    static PlayListRole roleOf(QTreeWidget* list);

    TMKBoxDlg& box_;
    MediaState& media_;
    QPointer<QTreeWidget> cutList_;  // ListView_M, once attached
    std::string current_;
    int dirNo_ = 1;
    bool allFiles_ = false;
    std::vector<Drive> drives_;
    std::map<std::string, std::string> driveFolders_;  // last folder used on each drive
    std::array<bool, 4> descending_{};                 // per-column sort direction of ListView1
    QStandardItemModel* headerModel_ = nullptr;
    QRadioButton* playButton_ = nullptr;
    QRadioButton* offButton_ = nullptr;
    int treeNodes_ = 0;
    bool filling_ = false;      // re-entry flags of the handlers
    bool playing_ = false;
    bool changingDrive_ = false;
    bool updatingViews_ = false;
};
