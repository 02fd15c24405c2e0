#pragma once
// Every value of the settings key while the program runs, named after the
// value, with its default. Flags are bool, numbers int, folders and texts
// QString. Output folders are held with their trailing separator; an unset
// batch output folder is empty, and SplitFolderUnset() marks a split-file folder
// never chosen (stored settings hold that exact text).
#include <QPoint>
#include <QSize>
#include <QString>

inline QString SplitFolderUnset() { return QStringLiteral("@@@@@\\"); }

struct SettingsValues {
    int Version = 255;  // installation state; 16 opens the main window

    QPoint FP;  // window Left, Top (centred unless stored)
    QSize FS;   // window Width, Height (its first size unless stored)
    QString FSPLIT;  // sizes of the file face's splitters; empty: their first sizes

    QString SAVE_DIR = SplitFolderUnset();  // split files of the cut face
    QString MUON_DIR;                     // conversion tab
    QString WADD_DIR;                     // join tab
    QString LR_DIR;                       // separation tab
    QString REV_DIR;                      // reversal tab
    QString KL_DIR;                       // list-join tab

    bool FUN = true;  // interval choices in minutes
    int DirNo = 1;    // folder view: 0 tree, 1 or more plain list
    QString CPath;    // browser folder; stage B puts the default browser folder in when unset

    // Captions of the selected rows (empty: none selected).
    QString M_Text;
    QString G_Text;
    QString K_Text;
    QString LR_Text;
    QString REV_Text;
    QString DIR_Text;

    bool minihelp = true;
    bool BackColor = false;
    bool No_Memo = false;
    bool M_SORT = false;
    bool G_SORT = false;
    bool K_SORT = false;
    bool LR_SORT = false;
    bool REV_SORT = false;
    bool HENKAN_NO = false;
    bool KETUGO_NO = false;
    bool LR_NO = false;
    bool REV_NO = false;
    bool Start_TM = true;
    int RENZOKU = 0;  // colour index 0-6 of the continuous-play panel
    int PTS = 0;      // colour index 0-6 of the start-time marker
    bool FileOnly = false;
    bool AUTO_NAME = true;
    bool TALVO_COLOR = true;
    bool SAVE_NAME = false;
    bool SAVE_NAME_G = false;
    bool SAVE_NAME_K = false;
    bool SAVE_NAME_LR = false;
    bool SAVE_NAME_REV = false;

    int MCUTF_G = 0;  // silence-cut mode 0-3 of the conversion tab
    int ML8_G = 1;    // silence level of 8-bit files
    int ML16_G = 1;   // silence level of 16-bit files
    int G_TM_MU = 5;  // silence length in tenths of a second

    // Silence before and after (whole seconds, fraction) and fade seconds of
    // the conversion (_G), join (_K) and list-join (_KL) tabs.
    int TM_MAE_G = 0, TM_MAE_MS_G = 0, TM_ATO_G = 0, TM_ATO_MS_G = 0;
    int TM_MAE_K = 0, TM_MAE_MS_K = 0, TM_ATO_K = 0, TM_ATO_MS_K = 0;
    int TM_MAE_KL = 0, TM_MAE_MS_KL = 0, TM_ATO_KL = 0, TM_ATO_MS_KL = 0;
    int TM_IN_G = 0, TM_OUT_G = 0;
    int TM_IN_K = 0, TM_OUT_K = 0;
    int TM_IN_KL = 0, TM_OUT_KL = 0;

    int Combo_KL = 0;  // line of ComboBox_KL; -1 when none
    int TSNo = 0;      // active batch tab 0-5; 6 when none
    int KL_Index = 0;  // line of ListBox_KL; -1 when none
    int IR_Index = 0;  // line of ListBox_IR; -1 when none

    QString Group;  // program group folder of the start menu; never written by the main window
};

// True when every batch output folder is set; otherwise the first-run prompt
// asks for the missing ones before stage B.
bool BatchFoldersSet(const SettingsValues& values);
