#include "MainMenus.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "WindowTexts.h"

namespace {

enum class Flag { None, Off, On };

QMenu* AddMenu(QMenuBar& bar, const char* name, const char* caption)
{
    QMenu* menu = bar.addMenu(QString::fromUtf8(caption));
    menu->setObjectName(QString::fromLatin1(name));
    return menu;
}

QAction* AddItem(QMenu& menu, const char* name, const char* caption, Flag flag = Flag::None)
{
    QAction* item = menu.addAction(QString::fromUtf8(caption));
    item->setObjectName(QString::fromLatin1(name));
    if (flag != Flag::None) {
        item->setCheckable(true);
        item->setChecked(flag == Flag::On);
    }
    return item;
}

void BuildFileMenu(QMenuBar& bar, MainMenus& m)
{
    using namespace WindowTexts;
    m.MFile = AddMenu(bar, "MFile", MenuFile);
    QMenu& menu = *m.MFile;
    m.MF_KIROKU = AddItem(menu, "MF_KIROKU", MF_KIROKU);
    m.MF_KIROKUCLR = AddItem(menu, "MF_KIROKUCLR", MF_KIROKUCLR);
    m.MF_CUT_TXT = AddItem(menu, "MF_CUT_TXT", MF_CUT_TXT);
    m.MF_No_Memo = AddItem(menu, "MF_No_Memo", MF_No_Memo, Flag::Off);
    menu.addSeparator();
    m.MF_ALL = AddItem(menu, "MF_ALL", MF_ALL, Flag::Off);
    m.MF_FileOnly = AddItem(menu, "MF_FileOnly", MF_FileOnly, Flag::Off);
    menu.addSeparator();
    m.MF_AUTO_NAME = AddItem(menu, "MF_AUTO_NAME", MF_AUTO_NAME, Flag::On);
    m.MF_SAVE_NAME = AddItem(menu, "MF_SAVE_NAME", MF_SAVE_NAME, Flag::Off);
    m.MF_SAVE_DIR = AddItem(menu, "MF_SAVE_DIR", MF_SAVE_DIR);
    m.MF_SAVE_DIR->setVisible(false);
    menu.addSeparator();
    m.MF_X = AddItem(menu, "MF_X", MF_X);
}

void BuildOptionMenu(QMenuBar& bar, MainMenus& m)
{
    using namespace WindowTexts;
    m.MOption0 = AddMenu(bar, "MOption0", MenuOption);
    QMenu& menu = *m.MOption0;
    m.MO_FUN = AddItem(menu, "MO_FUN", MO_FUN, Flag::On);
    m.MO_M_SORT = AddItem(menu, "MO_M_SORT", MO_M_SORT, Flag::Off);
    m.MO_ST_TM = AddItem(menu, "MO_ST_TM", MO_ST_TM, Flag::On);
    menu.addSeparator();
    m.BackColor = AddItem(menu, "BackColor", BackColor, Flag::Off);
    m.TALVO_COLOR = AddItem(menu, "TALVO_COLOR", TALVO_COLOR, Flag::On);
    menu.addSeparator();
    m.MICON_SET = AddItem(menu, "MICON_SET", MICON_SET);
    m.MICON_DEL = AddItem(menu, "MICON_DEL", MICON_DEL);
    m.MDESK_SET = AddItem(menu, "MDESK_SET", MDESK_SET);
    m.MDESK_DEL = AddItem(menu, "MDESK_DEL", MDESK_DEL);
    menu.addSeparator();
    m.PAKI = AddItem(menu, "PAKI", PAKI);
    menu.addSeparator();
    m.MO_VOL_PLAY = AddItem(menu, "MO_VOL_PLAY", MO_VOL_PLAY);
    m.MO_VOL_REC = AddItem(menu, "MO_VOL_REC", MO_VOL_REC);
    m.MO_VOL_ETC = AddItem(menu, "MO_VOL_ETC", MO_VOL_ETC);
    m.MO_VOL_SMALL = AddItem(menu, "MO_VOL_SMALL", MO_VOL_SMALL, Flag::On);
}

void BuildHelpMenu(QMenuBar& bar, MainMenus& m)
{
    using namespace WindowTexts;
    m.MHelp = AddMenu(bar, "MHelp", MenuHelp);
    QMenu& menu = *m.MHelp;
    m.HELP_MOKUJI = AddItem(menu, "HELP_MOKUJI", HELP_MOKUJI);
    m.HELP_KEYWORD = AddItem(menu, "HELP_KEYWORD", HELP_KEYWORD);
    m.HELP_HELP = AddItem(menu, "HELP_HELP", HELP_HELP);
    m.HELP_HELP->setVisible(false);
    menu.addSeparator();
    m.HELP3 = AddItem(menu, "HELP3", HELP3, Flag::On);
    menu.addSeparator();
    m.MHELP_VERCUT = AddItem(menu, "MHELP_VERCUT", MHELP_VERCUT);
    m.MHELP_UNINSTALL = AddItem(menu, "MHELP_UNINSTALL", MHELP_UNINSTALL);
}

}  // namespace

MainMenus BuildMainMenus(QMenuBar& bar)
{
    MainMenus menus;
    BuildFileMenu(bar, menus);
    BuildOptionMenu(bar, menus);
    BuildHelpMenu(bar, menus);
    return menus;
}
