#include "VantroSession.h"

#include <QAction>
#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QTabBar>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <QScreen>
#include <QTabWidget>

#include "ColourSchemes.h"
#include "CutFace.h"
#include "Dir2dlg.h"
#include "FileBrowser.h"
#include "FileFace.h"
#include "FileOnlyView.h"
#include "Folders.h"
#include "ProgramInfo.h"
#include "RegistrationList.h"
#include "RegistrationPanel.h"
#include "SeekBar.h"
#include "YeNADDCUT.h"
#include "ListFiles.h"
#include "LogTexts.h"
#include "SettingsCaptions.h"
#include "SettingsFolders.h"
#include "SettingsLoad.h"
#include "SettingsSave.h"
#include "SettingsStore.h"
#include "WorkArea.h"

namespace {

// A checkable menu item that holds one flag of the settings: its check mark
// follows the flag at start-up, the flag follows every click.
struct FlagItem {
    QAction* item;
    bool SettingsValues::*flag;
};

std::vector<FlagItem> FlagItems(const MainMenus& m)
{
    return {
        {m.MF_No_Memo, &SettingsValues::No_Memo},     {m.MF_FileOnly, &SettingsValues::FileOnly},
        {m.MF_AUTO_NAME, &SettingsValues::AUTO_NAME}, {m.MF_SAVE_NAME, &SettingsValues::SAVE_NAME},
        {m.MO_FUN, &SettingsValues::FUN},             {m.MO_M_SORT, &SettingsValues::M_SORT},
        {m.MO_ST_TM, &SettingsValues::Start_TM},
    };
}

// The two colour schemes, which exclude each other.
std::vector<FlagItem> SchemeItems(const MainMenus& m)
{
    return {{m.BackColor, &SettingsValues::BackColor}, {m.TALVO_COLOR, &SettingsValues::TALVO_COLOR}};
}

// The show-off flags of the logs that the settings store keeps.
bool SettingsValues::*ShowOffFlag(ShowOffOption option)
{
    switch (option) {
    case ShowOffOption::Cut: return &SettingsValues::No_Memo;
    case ShowOffOption::Conversion: return &SettingsValues::HENKAN_NO;
    case ShowOffOption::Join: return &SettingsValues::KETUGO_NO;
    case ShowOffOption::Separation: return &SettingsValues::LR_NO;
    case ShowOffOption::Reversal: return &SettingsValues::REV_NO;
    default: return nullptr;  // list join and rename: not stored, start unchecked
    }
}

// The log commands that stand in the main window's menus, by handler name.
std::vector<std::pair<QAction*, const char*>> LogMenuItems(const MainMenus& m)
{
    return {{m.MF_KIROKU, "MF_KIROKUClick"}, {m.MF_KIROKUCLR, "MF_KIROKUCLRClick"}, {m.MF_CUT_TXT, "MF_CUT_TXTClick"}};
}

WindowGeometry GeometryOf(const TTALVO_VANTRO& window)
{
    GetWorkArea();
    QScreen* screen = QGuiApplication::primaryScreen();
    const QSize screenSize = screen ? screen->geometry().size() : QSize(WorkArea.width, WorkArea.height);
    return {window.frameGeometry().size(), screenSize, WorkArea};
}

// The system's palette with every colour set, so that a control given it
// keeps these colours instead of taking its parent's.
QPalette SystemPalette()
{
    QPalette palette = QApplication::palette();
    palette.setResolveMask(~QPalette::ResolveMask(0));
    return palette;
}

std::optional<QString> Kept(const QString& text) { return text; }

// A selection as the save takes it: none when no row is selected.
std::optional<QString> Selection(const QString& caption)
{
    return caption.isEmpty() ? std::nullopt : std::optional<QString>(caption);
}

// The batch tab of each batch registration list, in list order.
constexpr std::array<std::pair<RegList, int>, 4> kBatchListTabs = {
    {{RegList::G, 0}, {RegList::K, 1}, {RegList::LR, 2}, {RegList::REV, 3}}};

void Place(QWidget* area, QWidget* content)
{
    if (!area->layout()) new QVBoxLayout(area);
    area->layout()->addWidget(content);
}

}  // namespace

VantroSession::VantroSession() = default;

VantroSteps VantroSession::steps()
{
    VantroSteps s;
    s.create = [this](TTALVO_VANTRO& w) { create(w); };
    s.firstRunNeeded = [this](TTALVO_VANTRO&) { return !BatchFoldersSet(state_.settings); };
    s.firstRunPrompt = [this](TTALVO_VANTRO& w) { firstRunPrompt(w); };
    s.stageB = [this](TTALVO_VANTRO& w) { stageB(w); };
    s.stopDevices = [this](TTALVO_VANTRO&) { stopDevices(); };
    s.save = [this](TTALVO_VANTRO& w) { save(w); };
    return s;
}

void VantroSession::create(TTALVO_VANTRO& window)
{
    state_.logs.emplace(*window.MKBoxDlg1);
    LoadStageA(settingsStore(), state_.settings, GeometryOf(window));
    window.move(state_.settings.FP);
    showSplitFolder(window, state_.settings.SAVE_DIR);
    SendSplitFilesToProgramFolder(state_.settings);
    placeFileFace(window);
    bindMenus(window);
}

void VantroSession::firstRunPrompt(TTALVO_VANTRO& window)
{
    const FolderChooser chooser = chooser_ ? chooser_ : dialogChooser(window);
    FirstRunPrompt(state_.settings, settingsStore(), *window.MKBoxDlg1, chooser,
                   [&window] { return window.state().closing; });
}

void VantroSession::stageB(TTALVO_VANTRO& window)
{
    SettingsValues& values = state_.settings;
    LoadStageB(settingsStore(), values);
    showSettingsInMenus(window);
    window.setHintsShown(values.minihelp);
    applyColourSchemes(window);
    window.Panel_DFF->PageControl1->setCurrentIndex(TabIndexFromTSNo(values.TSNo));
    window.setShortcutGroup(values.Group);

    TFileBrowser& browser = *state_.browser;
    browser.setDirNo(values.DirNo);
    browser.H_DIRBoxDlg1.loadHistory(LoadListFile(ListFile::FolderHistory));
    browser.fillDrives();
    browser.ChangeFolder(values.CPath);
    browser.H_DIRBoxDlg1.setNewDIR(WithoutTrailingSeparator(values.CPath));
    state_.listJoinLines = LoadListFile(ListFile::ListJoin);
    state_.renameLines = LoadListFile(ListFile::Rename);
    loadLists(window);
}

void VantroSession::placeFileFace(TTALVO_VANTRO& window)
{
    TFileFace& face = *window.Panel_DFF;
    auto* browser = new TFileBrowser(*window.MKBoxDlg1, face.browserArea);
    browser->programFolder = QString::fromStdString(ProgramFolder());
    Place(face.browserArea, browser);
    state_.browser = browser;

    state_.lists = std::make_unique<RegistrationLists>(*window.MKBoxDlg1);
    RegistrationLists& lists = *state_.lists;
    Place(face.cutListArea, lists.panel(RegList::M));
    // The options menu's MO_M_SORT is the sort option of ListView_M; the
    // panel's own action stays out of sight and follows it.
    lists.panel(RegList::M)->sortOption->setObjectName(QString());
    browser->attachList(lists.list(RegList::M), PlayListRole::CutList);
    for (const auto& [list, tab] : kBatchListTabs) {
        Place(face.tabSheet(tab), lists.panel(list));
        // The tab's popup menu; its sort option first (the batch commands join it).
        face.tabSheet(tab)->setContextMenuPolicy(Qt::ActionsContextMenu);
        face.tabSheet(tab)->addAction(lists.panel(list)->sortOption);
        browser->attachList(lists.list(list), PlayListRole::BatchList);
    }
    lists.browserAllRows = [browser] { return browser->allRows(); };
    lists.browserSelectedRows = [browser] { return browser->selectedRows(); };
    lists.focusBrowser = [browser] { browser->ListView1->setFocus(); };
    browser->listsBusy = [&lists] { return lists.registrationRunning(); };
    placePlayback(window);
}

void VantroSession::placePlayback(TTALVO_VANTRO& window)
{
    state_.device = std::make_unique<MediaDevice>();
    state_.playback = std::make_unique<Playback>(*state_.device, state_.media, *window.MKBoxDlg1, state_.settings.FUN);
    Playback& playback = *state_.playback;
    TFileFace& face = *window.Panel_DFF;
    // The position row: the seek bar, the play position (Label2) and the length (Label1).
    auto* row = new QWidget(&face);
    auto* rowLayout = new QHBoxLayout(row);
    rowLayout->setContentsMargins(0, 0, 0, 0);
    auto* bar = new SeekBar(row);
    bar->setObjectName(QStringLiteral("Panel_B0"));
    auto* position = new QLabel(row);
    position->setObjectName(QStringLiteral("Label2"));
    auto* length = new QLabel(row);
    length->setObjectName(QStringLiteral("Label1"));
    rowLayout->addWidget(bar, 1);
    rowLayout->addWidget(position);
    rowLayout->addWidget(length);
    static_cast<QVBoxLayout*>(face.layout())->insertWidget(face.layout()->count() - 1, row);
    playback.setSeekBar(bar);

    auto playHook = [this, &window](const QString& path, QWidget* list) { play(window, path, list); };
    state_.browser->playFile = playHook;
    state_.lists->setPlayHook(playHook);
    state_.browser->stopPlay = [&playback] { playback.ColorBtn1Click(); };
    playback.fileFaceContinuation = [this, &window](int code) { playNext(window, code); };
    playback.displayChanged = [this, &window, position, length] {
        window.Panel_DFF->Edit_File_Disp->setText(state_.media.FileDispText);
        position->setText(state_.media.PlayTimeText);
        length->setText(state_.media.TotalTimeText);
        window.state().playFormat = {state_.media.SampleRate, state_.media.SampleBits, state_.media.ChannelCount};
    };
}

void VantroSession::play(TTALVO_VANTRO&, const QString& path, QWidget* list)
{
    MediaState& media = state_.media;
    media.PlayFile = path;
    media.PlayFrom = -1;
    media.PlayTo = -1;
    media.CurrentList = list;
    media.AbortFlag = false;
    state_.playback->OpenAndPlay();
}

// In "PLAY" mode a file played to its end is followed by the next row of its list.
void VantroSession::playNext(TTALVO_VANTRO&, int code)
{
    auto* list = qobject_cast<QTreeWidget*>(state_.media.CurrentList.data());
    if (code != 1 || !list || !state_.browser->playOnClick()) return;
    const int next = list->indexOfTopLevelItem(list->currentItem()) + 1;
    if (next <= 0 || next >= list->topLevelItemCount()) return;
    list->clearSelection();
    list->setCurrentItem(list->topLevelItem(next));
    list->topLevelItem(next)->setSelected(true);
    list->scrollToItem(list->topLevelItem(next));
    state_.browser->ListView1Click(list);
}

void VantroSession::stopDevices()
{
    if (state_.lists) state_.lists->Btn_CANSEL_GClick();
    if (!state_.playback) return;
    state_.media.AbortFlag = true;
    state_.playback->MciStopClose();
    state_.playback->MciStopClose();
    state_.media.ClosingFlag = true;
}

void VantroSession::loadLists(TTALVO_VANTRO& window)
{
    const SettingsValues& v = state_.settings;
    RegistrationLists& lists = *state_.lists;
    lists.setSortOption(RegList::M, v.M_SORT);
    lists.setSortOption(RegList::G, v.G_SORT);
    lists.setSortOption(RegList::K, v.K_SORT);
    lists.setSortOption(RegList::LR, v.LR_SORT);
    lists.setSortOption(RegList::REV, v.REV_SORT);
    state_.browser->selectCaption(v.DIR_Text);
    lists.loadListFiles(ProgramInfo::Word, {v.G_Text, v.K_Text, v.LR_Text, v.REV_Text});
    applyFileOnly(window);
    lists.updateCountCaptions();
}

void VantroSession::applyFileOnly(TTALVO_VANTRO& window)
{
    RegistrationLists& lists = *state_.lists;
    ApplyFileOnly({lists.list(RegList::M), lists.list(RegList::G), lists.list(RegList::K), lists.list(RegList::LR),
                   lists.list(RegList::REV)},
                  window.Panel_DFF->PageControl1->width(), state_.settings.FileOnly);
}

void VantroSession::save(TTALVO_VANTRO& window)
{
    RegistrationLists& lists = *state_.lists;
    lists.saveListFiles(ProgramInfo::Word);
    SaveListFile(ListFile::FolderHistory, state_.browser->H_DIRBoxDlg1.historyLines());
    SaveListFile(ListFile::ListJoin, state_.listJoinLines);
    SaveListFile(ListFile::Rename, state_.renameLines);
    state_.logs->showAtShutdown();

    SettingsValues& v = state_.settings;
    v.DirNo = state_.browser->dirNo();
    v.M_SORT = lists.sortOption(RegList::M);
    v.G_SORT = lists.sortOption(RegList::G);
    v.K_SORT = lists.sortOption(RegList::K);
    v.LR_SORT = lists.sortOption(RegList::LR);
    v.REV_SORT = lists.sortOption(RegList::REV);
    ShutdownControls controls;
    controls.windowPosition = window.pos();
    controls.browserFolder = QString::fromStdString(YenAdd(state_.browser->currentFolder().toStdString()));
    // The cut face's own list of files to cut arrives later: its caption is kept as read.
    controls.M_Text = Kept(v.M_Text);
    controls.G_Text = Selection(lists.selectedCaption(RegList::G));
    controls.K_Text = Selection(lists.selectedCaption(RegList::K));
    controls.LR_Text = Selection(lists.selectedCaption(RegList::LR));
    controls.REV_Text = Selection(lists.selectedCaption(RegList::REV));
    controls.DIR_Text = Selection(state_.browser->selectedCaption());
    controls.ML8_G = QString::number(v.ML8_G);
    controls.ML16_G = QString::number(v.ML16_G);
    controls.Combo_KL = v.Combo_KL;
    controls.KL_Index = v.KL_Index;
    controls.IR_Index = v.IR_Index;
    controls.activeTab = window.Panel_DFF->PageControl1->currentIndex();
    state_.settings.minihelp = window.hintsShown();
    SaveSettingsAtShutdown(settingsStore(), state_.settings, controls, true);
}

void VantroSession::chooseFolder(TTALVO_VANTRO& window, OutputFolder folder)
{
    const FolderChooser chooser = chooser_ ? chooser_ : dialogChooser(window);
    const QString chosen = ChooseFolder(state_.settings, folder, chooser);
    if (folder == OutputFolder::Split) showSplitFolder(window, chosen);
}

void VantroSession::bindMenus(TTALVO_VANTRO& window)
{
    const MainMenus& m = window.menus();
    for (const FlagItem& f : FlagItems(m))
        QObject::connect(f.item, &QAction::triggered, &window,
                         [this, f](bool checked) { state_.settings.*f.flag = checked; });
    // The two colour schemes exclude each other.
    QObject::connect(m.TALVO_COLOR, &QAction::triggered, &window, [this, &window] {
        ClickTalvoColour(state_.settings);
        showSettingsInMenus(window);
        applyColourSchemes(window);
    });
    QObject::connect(m.BackColor, &QAction::triggered, &window, [this, &window] {
        ClickBackColour(state_.settings);
        showSettingsInMenus(window);
        applyColourSchemes(window);
    });
    for (const ShowOffTexts& t : kShowOffTexts) {
        bool SettingsValues::*flag = ShowOffFlag(t.option);
        if (!flag) continue;
        state_.logs->showOff(t.option).bind([this, flag] { return state_.settings.*flag; },
                                            [this, flag](bool on) { state_.settings.*flag = on; });
    }
    for (const auto& [item, name] : LogMenuItems(m))
        QObject::connect(item, &QAction::triggered, &window, [this, name = name] { state_.logs->runCommand(name); });
    QObject::connect(m.MF_ALL, &QAction::triggered, &window,
                     [this](bool checked) { state_.browser->setAllFiles(checked); });
    QObject::connect(m.MF_FileOnly, &QAction::triggered, &window, [this, &window] { applyFileOnly(window); });
    QObject::connect(m.MO_M_SORT, &QAction::triggered, &window,
                     [this](bool checked) { state_.lists->setSortOption(RegList::M, checked); });
    QObject::connect(m.MF_SAVE_DIR, &QAction::triggered, &window,
                     [this, &window] { chooseFolder(window, OutputFolder::Split); });
}

void VantroSession::showSettingsInMenus(TTALVO_VANTRO& window)
{
    for (const FlagItem& f : FlagItems(window.menus())) f.item->setChecked(state_.settings.*f.flag);
    for (const FlagItem& f : SchemeItems(window.menus())) f.item->setChecked(state_.settings.*f.flag);
}

void VantroSession::applyColourSchemes(TTALVO_VANTRO& window)
{
    if (!state_.settings.TALVO_COLOR) {
        window.setPalette(QApplication::palette());
        window.FormPaint();
        return;
    }
    const WindowColours colours = MainWindowColours(true, QApplication::palette());
    QPalette palette = window.palette();
    palette.setColor(QPalette::Window, colours.window);
    palette.setColor(QPalette::WindowText, colours.font);
    window.setPalette(palette);
    // Tab captions and menus keep the system's look, so they stay readable.
    window.Panel_DFF->PageControl1->tabBar()->setPalette(SystemPalette());
    window.menuBar()->setPalette(SystemPalette());
}

void VantroSession::showSplitFolder(TTALVO_VANTRO& window, const QString& folder)
{
    window.Panel_CUT->Edit_SDIR->setText(WithoutTrailingSeparator(folder));
}

FolderChooser VantroSession::dialogChooser(TTALVO_VANTRO& window)
{
    return [&window](bool standardColours, const QString& caption, const QString& valueName, const QString& current) {
        TDIR2SETDLG dialog;
        dialog.setObjectName(QStringLiteral("DIR2SETDLG1"));
        dialog.Folder = current;
        dialog.Name = valueName;
        dialog.Title = caption;
        dialog.StdColor = standardColours;
        dialog.OwnerWindow = &window;
        return dialog.Execute();
    };
}
