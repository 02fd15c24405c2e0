#pragma once
// The main window's menu bar: the file, options and help menus with every
// item under its given name. Flags are checkable items, set to the settings'
// defaults until the stored values are applied.
class QAction;
class QMenu;
class QMenuBar;

struct MainMenus {
    QMenu* MFile = nullptr;
    QAction* MF_KIROKU = nullptr;
    QAction* MF_KIROKUCLR = nullptr;
    QAction* MF_CUT_TXT = nullptr;
    QAction* MF_No_Memo = nullptr;
    QAction* MF_ALL = nullptr;
    QAction* MF_FileOnly = nullptr;
    QAction* MF_AUTO_NAME = nullptr;
    QAction* MF_SAVE_NAME = nullptr;
    QAction* MF_SAVE_DIR = nullptr;  // hidden; Edit_SDIR's double-click runs it
    QAction* MF_X = nullptr;

    QMenu* MOption0 = nullptr;
    QAction* MO_FUN = nullptr;
    QAction* MO_M_SORT = nullptr;
    QAction* MO_ST_TM = nullptr;
    QAction* BackColor = nullptr;
    QAction* TALVO_COLOR = nullptr;
    QAction* MICON_SET = nullptr;
    QAction* MICON_DEL = nullptr;
    QAction* MDESK_SET = nullptr;
    QAction* MDESK_DEL = nullptr;
    QAction* PAKI = nullptr;
    QAction* MO_VOL_PLAY = nullptr;
    QAction* MO_VOL_REC = nullptr;
    QAction* MO_VOL_ETC = nullptr;
    QAction* MO_VOL_SMALL = nullptr;

    QMenu* MHelp = nullptr;
    QAction* HELP_MOKUJI = nullptr;
    QAction* HELP_KEYWORD = nullptr;
    QAction* HELP_HELP = nullptr;  // hidden, does nothing
    QAction* HELP3 = nullptr;
    QAction* MHELP_VERCUT = nullptr;
    QAction* MHELP_UNINSTALL = nullptr;
};

MainMenus BuildMainMenus(QMenuBar& bar);
