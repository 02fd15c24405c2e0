#include "FaceSwitches.h"

#include <QComboBox>
#include <QLayout>
#include <QPushButton>
#include <QSignalBlocker>

#include "BusyCursor.h"
#include "CutFace.h"
#include "CutFaceContext.h"
#include "CutFaceTexts.h"
#include "CutFileRow.h"
#include "FileBrowser.h"
#include "FileFace.h"
#include "Mkdlg.h"
#include "PlayPanel.h"
#include "Playback.h"
#include "RegistrationList.h"
#include "SettingsFolders.h"
#include "SettingsValues.h"
#include "VANTRO_FM.h"

FaceSwitches::FaceSwitches(TTALVO_VANTRO& window, CutFaceContext& context, RegistrationList& ListView_M,
                           TFileBrowser& browser)
    : QObject(&window), window_(window), context_(context), ListView_M_(ListView_M), browser_(browser)
{
    Button14 = new QPushButton(QString::fromUtf8(CutFaceTexts::ToCutFace), window.Panel_DFF->cutListArea);
    Button14->setObjectName(QStringLiteral("Button14"));
    Button14->setToolTip(QString::fromUtf8(CutFaceTexts::ToCutFaceHint));
    window.Panel_DFF->cutListArea->layout()->addWidget(Button14);
    connect(Button14, &QPushButton::clicked, this, &FaceSwitches::Button14Click);
    connect(window.Panel_CUT->Panel_C->Button_Select, &QPushButton::clicked, this, &FaceSwitches::Button_SelectClick);
}

void FaceSwitches::Button14Click()
{
    if (switching_) return;
    switching_ = true;
    BusyCursor busy;
    if (ListView_M_.topLevelItemCount() == 0) {
        MKInfo(context_.box, QString::fromUtf8(CutFaceTexts::NoFilesToCutText));
    } else {
        context_.playback.MciStopClose();
        listFilesToCut();
        window_.showFileFace(false);
        window_.repaint();
        window_.Panel_CUT->Panel_Fn->ComboBox1Change();
        window_.Panel_CUT->resetPlayModes();
    }
    switching_ = false;
}

// ComboBox1 lists the full paths of ListView_M's rows, on the selected row's
// (the first row when none is selected).
void FaceSwitches::listFilesToCut()
{
    QComboBox& combo = *window_.Panel_CUT->Panel_Fn->ComboBox1;
    const QSignalBlocker quiet(combo);
    combo.clear();
    for (int row = 0; row < ListView_M_.topLevelItemCount(); ++row)
        combo.addItem(ListView_M_.topLevelItem(row)->text(1));
    const QList<QTreeWidgetItem*> selected = ListView_M_.selectedItems();
    combo.setCurrentIndex(selected.isEmpty() ? 0 : ListView_M_.indexOfTopLevelItem(selected.front()));
}

void FaceSwitches::Button_SelectClick()
{
    BusyCursor busy;
    // Showing the file face keeps the registered times of the file in work.
    window_.Panel_CUT->Panel_Fn->SaveTimeFiles();
    browser_.ChangeFolder(browser_.currentFolder());
    window_.showFileFace(true);
    window_.repaint();
    const int chosen = window_.Panel_CUT->Panel_Fn->ComboBox1->currentIndex();
    if (chosen < 0)
        ListView_M_.clearSelection();
    else if (chosen < ListView_M_.topLevelItemCount())
        ListView_M_.selectOnly(chosen);
    if (ListView_M_.isEnabled() && ListView_M_.isVisible()) ListView_M_.setFocus();
    // The parts just written are one choice away in the folder history.
    browser_.H_DIRBoxDlg1.setNewDIR(WithoutTrailingSeparator(SplitFilesFolder(context_.settings.SAVE_DIR)));
}
