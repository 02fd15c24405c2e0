#include "VantroSession.h"

#include <QAction>
#include <QPushButton>
#include <QApplication>
#include <QComboBox>
#include <QListWidget>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QMenuBar>
#include <QTabBar>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <QTabWidget>

#include "ColorBtn.h"
#include "DeferredSave.h"
#include "Mkdlg.h"
#include "TimeFileStore.h"
#include "ColourSchemes.h"
#include "SaveNameDialog.h"
#include "TabSheet1.h"
#include "TabSheet2.h"
#include "TabSheet3.h"
#include "TabSheet4.h"
#include "TabSheet5.h"
#include "TabSheet6.h"
#include "TextListBox.h"
#include "TimePopups.h"
#include "TimeExchangeCommands.h"
#include "WindowColours.h"
#include "CutFace.h"
#include "CutFileCommands.h"
#include "CutFileRow.h"
#include "CutMenu.h"
#include "CutRun.h"
#include "EditTextSelection.h"
#include "FaceSwitches.h"
#include "OpenedFiles.h"
#include "PlayPanel.h"
#include "RegisteredTimeCommands.h"
#include "TimeListCommands.h"
#include "TimeListPlay.h"
#include "TimeListBox.h"
#include "TimeListsPanel.h"
#include "Dir2dlg.h"
#include "FileBrowser.h"
#include "FileFace.h"
#include "FileOnlyView.h"
#include "Installation.h"
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
#include "WindowGeometry.h"
#include "WindowTexts.h"

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

// The system's palette with every colour set, so that a control given it
// keeps these colours instead of taking its parent's.
QPalette SystemPalette()
{
    QPalette palette = QApplication::palette();
    palette.setResolveMask(~QPalette::ResolveMask(0));
    return palette;
}

// A selection as the save takes it: none when no row is selected.
std::optional<QString> Selection(const QString& caption)
{
    return caption.isEmpty() ? std::nullopt : std::optional<QString>(caption);
}

// What a user cannot easily redo is written shortly after each change, not
// only at shutdown: the five registration lists and the registered times of
// the file in work (whose list ListBox_C shows every change of them).
void KeepSavingChanges(ProgramState& state, QObject* owner)
{
    RegistrationLists& lists = *state.lists;
    auto* listSave = new DeferredSave([&lists] { lists.saveListFiles(ProgramInfo::Word); }, owner);
    for (const RegList list : AllRegLists) listSave->watch(lists.list(list)->model());

    const CutWorkState& work = state.cutWork;
    auto* timeSave = new DeferredSave([&work] { SaveChangedTimeFiles(work.SaveBase, work.registered); }, owner);
    timeSave->watch(state.cutContext->ListBox_C->model());
}

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
    s.commandLine = [this](TTALVO_VANTRO& w) { joinCommandLine(w); };
    s.stopDevices = [this](TTALVO_VANTRO&) { stopDevices(); };
    s.save = [this](TTALVO_VANTRO& w) { save(w); };
    s.applyBackColor = [this](TTALVO_VANTRO& w) { applyBackColour(w); };
    return s;
}

void VantroSession::create(TTALVO_VANTRO& window)
{
    state_.logs.emplace(*window.MKBoxDlg1);
    LoadStageA(settingsStore(), state_.settings, OpeningGeometry(window));
    showSplitFolder(window, state_.settings.SAVE_DIR);
    placeFileFace(window);
    ApplyWindowGeometry(window, state_.settings);
    for (QWidget* control : colouredControls(window)) window.addParentColouredControl(control);
    bindMenus(window);
}

void VantroSession::firstRunPrompt(TTALVO_VANTRO& window)
{
    const FolderChooser chooser = chooser_ ? chooser_ : dialogChooser(window);
    FirstRunPrompt(state_.settings, settingsStore(), *window.MKBoxDlg1, chooser,
                   [&window] { return window.state().media.ClosingFlag; });
}

// Stage B: the key is read once, then each value takes effect in this order,
// letting pending messages run after FUN and after the lists.
void VantroSession::stageB(TTALVO_VANTRO& window)
{
    SettingsValues& values = state_.settings;
    LoadStageB(settingsStore(), values);
    window.menus().MO_FUN->setChecked(values.FUN);
    QCoreApplication::processEvents();
    window.Panel_CUT->registered->showSettings();

    TFileBrowser& browser = *state_.browser;
    browser.setDirNo(values.DirNo);
    browser.H_DIRBoxDlg1.loadHistory(LoadListFile(ListFile::FolderHistory));
    browser.fillDrives();
    browser.ChangeFolder(values.CPath);
    browser.H_DIRBoxDlg1.setNewDIR(WithoutTrailingSeparator(values.CPath));

    showSettingsInMenus(window);
    state_.cutFile->MF_AUTO_NAMEClick();
    state_.timePopups->showSettings();
    state_.conversionTab->showSettings();
    window.setHintsShown(values.minihelp);
    applyColourSchemes(window);
    window.Panel_DFF->PageControl1->setCurrentIndex(TabIndexFromTSNo(values.TSNo));
    window.setShortcutGroup(values.Group);

    state_.listJoinTab->showSettings();
    loadLineLists();
    loadLists(window);
    KeepSavingChanges(state_, &window);
}

void VantroSession::placeFileFace(TTALVO_VANTRO& window)
{
    TFileFace& face = *window.Panel_DFF;
    auto* browser = new TFileBrowser(*window.MKBoxDlg1, window.state().media, face.browserArea);
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
    for (const RegList list : StoredRegLists) browser->attachList(lists.list(list), PlayListRole::BatchList);
    lists.browserAllRows = [browser] { return browser->allRows(); };
    lists.browserSelectedRows = [browser] { return browser->selectedRows(); };
    lists.focusBrowser = [browser] { browser->ListView1->setFocus(); };
    lists.switchPlayModeOff = [browser] { return browser->switchPlayModeOff(); };
    browser->listsBusy = [this, &lists] { return lists.registrationRunning() || state_.batch.listBusy; };
    browser->rowsRemoved = [&lists] { lists.updateCountCaptions(); };
    placePlayback(window);
    placeCutFace(window);
    placeCutFile(window);
    makeBatchContext(window);
    placeBatchTabs(window);
}

// What the batch tabs get: the status line, the progress bar, the playback,
// the file browser, the folder choice and the save-name dialog.
void VantroSession::makeBatchContext(TTALVO_VANTRO& window)
{
    TFileFace& face = *window.Panel_DFF;
    state_.batchContext.reset(new BatchTabContext{state_.settings, *state_.logs, *window.MKBoxDlg1, state_.batch});
    BatchTabContext& context = *state_.batchContext;
    context.status = face.Edit_File_Disp;
    context.progress = face.ProgressBar_Batch;
    context.window = &window;
    context.stopPlayback = [this] { state_.playback->MciStopClose(); };
    context.showFolder = [this](const QString& folder) { state_.browser->ChangeFolder(folder); };
    context.chooseFolder = [this, &window](OutputFolder folder) { chooseFolder(window, folder); };
    context.askSaveName = askSaveName_ ? askSaveName_ : SaveNameAsker(*window.MKBoxDlg1, SaveDialog2(&window));
}

// The conversion, join, separation and reversal tabs, each with its
// registration panel.
void VantroSession::placeBatchTabs(TTALVO_VANTRO& window)
{
    TFileFace& face = *window.Panel_DFF;
    BatchTabContext& context = *state_.batchContext;
    RegistrationLists& lists = *state_.lists;
    state_.timePopups = new TimePopups(state_.settings, &window);
    TimePopups& times = *state_.timePopups;
    state_.conversionTab = new TTabSheet1(context, lists.panel(RegList::G), times);
    face.setTabSheet(0, state_.conversionTab);
    face.setTabSheet(1, new TTabSheet2(context, lists.panel(RegList::K), times));
    face.setTabSheet(2, new TTabSheet3(context, lists.panel(RegList::LR)));
    face.setTabSheet(3, new TTabSheet4(context, lists.panel(RegList::REV)));
    state_.listJoinTab = new TTabSheet5(context, lists, times);
    face.setTabSheet(4, state_.listJoinTab);
    state_.renameTab = new TTabSheet6(context, lists);
    face.setTabSheet(5, state_.renameTab);
    // The two line lists share the registrations' busy flag, stop request,
    // hidden register buttons and count captions.
    lists.showOtherRegisterButtons = [this](bool shown) {
        state_.listJoinTab->showRegisterButtons(shown);
        state_.renameTab->showRegisterButtons(shown);
    };
    lists.showOtherCounts = [this](bool busy) {
        state_.listJoinTab->ListBox_KL->showCount(busy);
        state_.renameTab->ListBox_IR->showCount(busy);
    };
}

void VantroSession::placePlayback(TTALVO_VANTRO& window)
{
    state_.device = std::make_unique<MediaDevice>();
    state_.device->setSilenceNotice(
        [&window](const std::string& text) { MKInfo(*window.MKBoxDlg1, QString::fromStdString(text)); });
    MediaState& media = window.state().media;
    state_.playback = std::make_unique<Playback>(*state_.device, media, *window.MKBoxDlg1, state_.settings.FUN);
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
    wirePlayback(window);
    playback.displayChanged = [&window, &media, position, length] {
        window.Panel_DFF->Edit_File_Disp->setText(media.FileDispText);
        position->setText(media.PlayTimeText);
        length->setText(media.TotalTimeText);
        window.Panel_CUT->Panel_C->Label14->setText(media.PlayTimeText);
        window.Panel_CUT->Panel_C->Label13->setText(media.TotalTimeText);
    };
}

// The cut face's commands over the file in work, its stop button, the
// continuation of its plays, the menu items that rebuild it, and the
// switches between the faces.
void VantroSession::placeCutFace(TTALVO_VANTRO& window)
{
    Playback& playback = *state_.playback;
    state_.cutContext.reset(new CutFaceContext{state_.cutWork, window.state().media, playback, *window.MKBoxDlg1,
                                               state_.settings, *state_.logs});
    TCutFace& face = *window.Panel_CUT;
    face.bind(*state_.cutContext);
    playback.cutFaceContinuation = [&face](int) { face.listPlay->Continue(); };
    QObject::connect(face.Panel_C->Button2, &QPushButton::clicked, &window, [&playback] { playback.Button2Click(); });
    const MainMenus& m = window.menus();
    QObject::connect(m.MO_FUN, &QAction::triggered, &window, [&face](bool on) { face.timeLists->MO_FUNClick(on); });
    QObject::connect(m.MO_ST_TM, &QAction::triggered, &window,
                     [&face](bool on) { face.registered->MO_ST_TMClick(on); });
    state_.faceSwitches = new FaceSwitches(window, *state_.cutContext, *state_.lists->list(RegList::M), *state_.browser);
}

// The cut file's row: the choice of the file to cut and its time files, the
// rows of ListView_M it lists, the save base, the split-file folder's
// double-click, the cut menu of the time lists and the cut.
void VantroSession::placeCutFile(TTALVO_VANTRO& window)
{
    CutFaceContext& context = *state_.cutContext;
    TCutFace& face = *window.Panel_CUT;
    CutFileRow& row = *face.Panel_Fn;
    RegistrationLists& lists = *state_.lists;
    RegistrationList& ListView_M = *lists.list(RegList::M);
    state_.cutFile = new CutFileCommands(context, row, &window);
    state_.cutFile->refreshCutFileRow = [&ListView_M](int index) {
        QTreeWidgetItem* item = ListView_M.topLevelItem(index);
        if (!item) return;
        const std::optional<FileFacts> facts = ReadFileFacts(item->text(PathColumn));
        item->setText(SizeColumn, facts ? facts->size : QString());
        item->setText(DateColumn, facts ? facts->date : QString());
        item->setText(AttributesColumn, facts ? facts->attributes : QString());
    };
    state_.cutFile->removeCutFileRow = [&ListView_M, &lists](int index) {
        delete ListView_M.takeTopLevelItem(index);
        lists.updateCountCaptions();
    };
    QObject::connect(&row, &CutFileRow::saveFolderDoubleClicked, window.menus().MF_SAVE_DIR, &QAction::trigger);
    row.Timer_Edit->watch(window.Panel_DFF->Edit_File_Disp);

    state_.cutRun = new CutRun(context, &window);
    state_.cutRun->SaveDialog1 = SaveDialog2(&window, QStringLiteral("SaveDialog1"));
    state_.cutMenu = new CutMenu(context, *state_.cutRun, &window);
    placeTimeExchange(window);
}

// The cut menu's exchange items on the registered times.
void VantroSession::placeTimeExchange(TTALVO_VANTRO& window)
{
    auto* exchange = new TimeExchangeCommands(*state_.cutContext, *window.Panel_CUT->registered, &window);
    state_.timeExchange = exchange;
    const CutMenu& menu = *state_.cutMenu;
    QObject::connect(menu.P_MUON_TOROKU, &QAction::triggered, exchange, &TimeExchangeCommands::P_MUON_TOROKUClick);
    QObject::connect(menu.P_TIME_READ, &QAction::triggered, exchange, &TimeExchangeCommands::P_TIME_READClick);
    QObject::connect(menu.P_TIME_WRITE, &QAction::triggered, exchange, &TimeExchangeCommands::P_TIME_WRITEClick);
}

// The caption of the file to cut: the file face's selected row, or while the
// cut face is shown, the row of the file chosen there.
QString VantroSession::cutFileCaption(TTALVO_VANTRO& window) const
{
    if (window.state().media.FileFaceVisible) return state_.lists->selectedCaption(RegList::M);
    const QTreeWidgetItem* item =
        state_.lists->list(RegList::M)->topLevelItem(window.Panel_CUT->Panel_Fn->ComboBox1->currentIndex());
    return item ? item->text(CaptionColumn) : QString();
}

// The file face's lists play through the device; a play that ends, the seek
// bar's release and the stop button come back to them.
void VantroSession::wirePlayback(TTALVO_VANTRO& window)
{
    TFileBrowser& browser = *state_.browser;
    Playback& playback = *state_.playback;
    browser.playFile = [this, &window](const QString& path, QWidget* list) { play(window, path, list); };
    browser.stopPlay = [&playback] { playback.ColorBtn1Click(); };
    browser.closeDevice = [&playback] { playback.MciStopClose(); };
    playback.fileFaceContinuation = [&browser](int) { browser.PlayNextFile(); };
    playback.seekPlay = [&browser] { browser.SeekPlay(); };
}

void VantroSession::play(TTALVO_VANTRO& window, const QString& path, QWidget* list)
{
    MediaState& media = window.state().media;
    media.PlayFile = path;
    media.PlayFrom = -1;
    media.PlayTo = -1;
    media.CurrentList = list;
    media.AbortFlag = false;
    state_.playback->OpenAndPlay();
}

// The window has set ClosingFlag and AbortFlag: a registration running stops,
// the device is stopped and closed twice (its commands are sent regardless).
void VantroSession::stopDevices()
{
    if (state_.lists) state_.lists->Btn_CANSEL_GClick();
    // A batch at work stops after its current file, and keeps no output it
    // has not finished.
    state_.batch.closing = true;
    for (TabRunFlags& flags : state_.batch.tabs) flags.cancel = true;
    if (!state_.playback) return;
    state_.playback->MciStopClose();
    state_.playback->MciStopClose();
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
    lists.loadListFiles(ProgramInfo::Word, {v.G_Text, v.K_Text, v.LR_Text, v.REV_Text, v.M_Text});
    applyFileOnly(window);
    lists.updateCountCaptions();
    QCoreApplication::processEvents();
}

// The lines of "KL.LIS" and "IR.LIS", each list's stored line selected.
void VantroSession::loadLineLists()
{
    TextListBox& join = *state_.listJoinTab->ListBox_KL;
    join.setLines(LoadListFile(ListFile::ListJoin));
    join.restoreLine(state_.settings.KL_Index);
    TextListBox& rename = *state_.renameTab->ListBox_IR;
    rename.setLines(LoadListFile(ListFile::Rename));
    rename.restoreLine(state_.settings.IR_Index);
}

// The last step of start-up: a join asked for on the command line runs, and
// the window then closes with all the saves of shutdown; WAV files given
// without an output are opened.
void VantroSession::joinCommandLine(TTALVO_VANTRO& window)
{
    if (state_.listJoinTab->joinCommandLine(commandLine_))
        window.close();
    else
        openFiles(window, commandLine_);
}

// Registers the WAV files in the list of files to cut, as "v選択登録" does,
// and shows the cut face on the last of them; what is not a WAV file, or is
// not there, is named in one message.
void VantroSession::openFiles(TTALVO_VANTRO& window, const QStringList& parameters)
{
    const OpenedFiles files = ReadOpenedFiles(parameters);
    if (!files.leftOut.isEmpty())
        MKInfo(*window.MKBoxDlg1,
               QString::fromUtf8(WindowTexts::NotWavFiles) + QLatin1Char('\n') + files.leftOut.join(QLatin1Char('\n')));
    if (files.wavs.isEmpty() || !state_.lists || !state_.faceSwitches) return;
    RegistrationLists& lists = *state_.lists;
    lists.registerFiles(RegList::M, files.wavs);
    RegistrationList& toCut = *lists.list(RegList::M);
    toCut.selectOnly(toCut.topLevelItemCount() - 1);
    state_.faceSwitches->Button14Click();
}

void VantroSession::takeHandedOver(TTALVO_VANTRO& window, const QString& text)
{
    const QStringList parameters = HandedParameters(text);
    if (IsUninstallStart(parameters, QString())) window.MHELP_UNINSTALLClick();
    else openFiles(window, parameters);
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
    // The registered times of the file in work are kept before anything else.
    state_.cutFile->SaveTimeFiles();
    RegistrationLists& lists = *state_.lists;
    lists.saveListFiles(ProgramInfo::Word);
    SaveListFile(ListFile::FolderHistory, state_.browser->H_DIRBoxDlg1.historyLines());
    SaveListFile(ListFile::ListJoin, state_.listJoinTab->ListBox_KL->lines());
    SaveListFile(ListFile::Rename, state_.renameTab->ListBox_IR->lines());
    // After the uninstaller the user's lists stay, but nothing of the
    // settings comes back.
    if (window.settingsRemoved()) return;
    state_.logs->showAtShutdown();

    SettingsValues& v = state_.settings;
    v.DirNo = state_.browser->dirNo();
    v.M_SORT = lists.sortOption(RegList::M);
    v.G_SORT = lists.sortOption(RegList::G);
    v.K_SORT = lists.sortOption(RegList::K);
    v.LR_SORT = lists.sortOption(RegList::LR);
    v.REV_SORT = lists.sortOption(RegList::REV);
    ShutdownControls controls;
    TakeWindowGeometry(window, controls);
    controls.browserFolder = QString::fromStdString(YenAdd(state_.browser->currentFolder().toStdString()));
    controls.M_Text = Selection(cutFileCaption(window));
    controls.G_Text = Selection(lists.selectedCaption(RegList::G));
    controls.K_Text = Selection(lists.selectedCaption(RegList::K));
    controls.LR_Text = Selection(lists.selectedCaption(RegList::LR));
    controls.REV_Text = Selection(lists.selectedCaption(RegList::REV));
    controls.DIR_Text = Selection(state_.browser->selectedCaption());
    controls.ML8_G = QString::number(v.ML8_G);
    controls.ML16_G = QString::number(v.ML16_G);
    controls.Combo_KL = v.Combo_KL;
    controls.KL_Index = state_.listJoinTab->ListBox_KL->currentLine();
    controls.IR_Index = state_.renameTab->ListBox_IR->currentLine();
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
    QObject::connect(m.TALVO_COLOR, &QAction::triggered, &window, [this, &window] { TALVO_COLORClick(window); });
    QObject::connect(m.BackColor, &QAction::triggered, &window, [this, &window] { BackColorClick(window); });
    for (const ShowOffTexts& t : kShowOffTexts) {
        bool SettingsValues::*flag = ShowOffFlag(t.option);
        if (!flag) continue;
        state_.logs->showOff(t.option).bind([this, flag] { return state_.settings.*flag; },
                                            [this, flag](bool on) { state_.settings.*flag = on; });
    }
    for (const auto& [item, name] : LogMenuItems(m))
        QObject::connect(item, &QAction::triggered, &window, [this, name = name] { state_.logs->runCommand(name); });
    QObject::connect(m.MF_ALL, &QAction::triggered, &window, [this](bool checked) { MF_ALLClick(checked); });
    QObject::connect(m.MF_FileOnly, &QAction::triggered, &window, [this, &window] { MF_FileOnlyClick(window); });
    QObject::connect(m.MO_M_SORT, &QAction::triggered, &window, [this](bool checked) { MO_M_SORTClick(checked); });
    QObject::connect(m.MF_AUTO_NAME, &QAction::triggered, state_.cutFile, &CutFileCommands::MF_AUTO_NAMEClick);
    QObject::connect(m.MF_SAVE_DIR, &QAction::triggered, &window,
                     [this, &window] { chooseFolder(window, OutputFolder::Split); });
}

void VantroSession::MF_FileOnlyClick(TTALVO_VANTRO& window) { applyFileOnly(window); }

void VantroSession::MF_ALLClick(bool checked) { state_.browser->setAllFiles(checked); }

void VantroSession::MO_M_SORTClick(bool checked) { state_.lists->setSortOption(RegList::M, checked); }

// The two colour schemes exclude each other.
void VantroSession::TALVO_COLORClick(TTALVO_VANTRO& window)
{
    ClickTalvoColour(state_.settings);
    showSettingsInMenus(window);
    applyColourSchemes(window);
}

void VantroSession::BackColorClick(TTALVO_VANTRO& window)
{
    ClickBackColour(state_.settings);
    showSettingsInMenus(window);
    applyColourSchemes(window);
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
    applyBackColour(window);
}

// BackColor: the lists and edit boxes of both faces in the system window
// colour when checked, else in their parent's colour and font colour.
void VantroSession::applyBackColour(TTALVO_VANTRO& window)
{
    const QPalette system = QApplication::palette();
    for (QWidget* control : colouredControls(window)) {
        if (!state_.settings.BackColor) {
            TakeParentColours(*control);
            continue;
        }
        QPalette palette = control->palette();
        palette.setColor(QPalette::Base, system.color(QPalette::Base));
        palette.setColor(QPalette::Text, system.color(QPalette::Text));
        control->setPalette(palette);
    }
}

QList<QWidget*> VantroSession::colouredControls(TTALVO_VANTRO& window) const
{
    TFileBrowser& browser = *state_.browser;
    QList<QWidget*> controls = {browser.ComboBox2, browser.ListBox1, browser.TreeView1, browser.ListView1,
                                window.Panel_DFF->Edit_File_Disp, window.Panel_CUT->Edit_Fn,
                                window.Panel_CUT->Edit_SDIR, window.Panel_CUT->Edit_SFn};
    for (const RegList list : AllRegLists) controls.append(state_.lists->list(list));
    controls.append(state_.listJoinTab->ListBox_KL);
    controls.append(state_.listJoinTab->ComboBox_KL);
    controls.append(state_.renameTab->ListBox_IR);
    for (TTimeListBox* list : state_.cutContext->timeLists()) controls.append(list);
    controls.append(window.Panel_CUT->Panel_S->ComboBox_TM);
    controls.append(window.Panel_CUT->Panel_Fn->ComboBox1);
    return controls;
}

void VantroSession::showSplitFolder(TTALVO_VANTRO& window, const QString& folder)
{
    // Where the parts go: the chosen folder, else the default split folder.
    window.Panel_CUT->Edit_SDIR->setText(WithoutTrailingSeparator(SplitFilesFolder(folder)));
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
