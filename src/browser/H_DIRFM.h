#pragma once
// TH_DIRBox: the folder history box's form. The upper list holds the
// folders, the lower one the files of the selected folder through the chosen
// filter; "設 定" confirms the selected folder, "キャンセル" leaves.
#include <QDialog>
#include <QStringList>

class ColorBtn;
class QComboBox;
class QLabel;
class QListWidget;
class QSplitter;

class TH_DIRBox : public QDialog {
    Q_OBJECT

public:
    explicit TH_DIRBox(QWidget* parent = nullptr);

    // Fills the folder list, selects the first entry and shows the counts.
    void setFolders(const QStringList& folders);
    // A filter of "description|mask|" pairs; `index` chooses the pair shown first.
    void setFilter(const QString& filter, int index);
    // The row of the selected folder, -1 when none is selected.
    int selectedFolder() const;

    QLabel* Label1 = nullptr;
    QLabel* Label_DIR_Kosu = nullptr;
    QListWidget* ListBox_DIR = nullptr;
    QListWidget* FileListBox1 = nullptr;
    QComboBox* FilterComboBox1 = nullptr;
    QLabel* Label_FILE_Kosu = nullptr;
    ColorBtn* ColorBtn_OK = nullptr;
    ColorBtn* ColorBtn_CAN = nullptr;
    QSplitter* Panel_V = nullptr;

private slots:
    void ListBox_DIRClick();
    void FilterComboBox1Change();
    void ColorBtn_OKClick();

private:
    void createControls();
    void layOut();
    void fillFiles();
};
