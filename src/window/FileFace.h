#pragma once
// The file face (Panel_DFF): the file browser and the list of files to cut
// above, the six batch tabs of PageControl1 below, and the status line.
// Splitters let the user share the width between the browser and the list
// of files to cut, and the height between them and the batch tabs.
#include <QFrame>

#include <array>

#include "SettingsCaptions.h"
#include "WindowState.h"

class QLineEdit;
class QProgressBar;
class QSplitter;
class QTabWidget;


class TFileFace : public QFrame {
    Q_OBJECT
public:
    TFileFace(WindowState& state, QWidget* parent = nullptr);

    // The page of a batch tab: 0 for TabSheet1 up to 5 for TabSheet6.
    QWidget* tabSheet(int index) const { return TabSheets.at(index); }
    // The index of a page in TabSheet1 ... TabSheet6; -1 for any other.
    int tabSheetIndex(const QWidget* page) const;
    // Puts a batch tab's own page in place of the plain page `index`,
    // keeping its caption and place.
    void setTabSheet(int index, QWidget* page);

    QWidget* browserArea;  // drives, folders and the file list
    QWidget* cutListArea;  // ListView_M, the files registered for cutting
    QSplitter* Splitter_Top;   // browserArea | cutListArea
    QSplitter* Splitter_Face;  // Splitter_Top above PageControl1
    QTabWidget* PageControl1;
    std::array<QWidget*, BatchTabCount> TabSheets;
    QLineEdit* Edit_File_Disp;  // the status line: the file played, a batch's progress
    QProgressBar* ProgressBar_Batch;  // files done of files to do, shown while a batch runs

private:
    QWidget* buildStatusLine();

    WindowState& state_;
};
