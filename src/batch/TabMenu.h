#pragma once
// The settings popup of a batch tab (PopupMenu_G, _K, _LR, _REV, _KL, _IR):
// an optional header, the registration list's sort item, the log items by
// handler name (show record, clear record, show last file, show-off), the
// save-name check item bound to its settings flag, and the output folder
// item, so that every output folder can be changed after the first run. When
// the menu pops up (PopupMenu_GPopup and its twins) the log items are
// enabled by their rules and the check items show their flags. A tab may add
// items of its own after these.
#include <QMenu>

#include <optional>
#include <vector>

#include "BatchTabContext.h"
#include "LogTexts.h"
#include "SettingsValues.h"

struct TabMenuItems {
    const char* menuName;            // "PopupMenu_G"
    const char* header = nullptr;    // a title item (e.g. "LRチャンネル分離設定"); none when null
    QAction* sortOption = nullptr;   // PG_SORT ...: the registration panel's sort item; none when null
    std::vector<const char*> logCommands;  // handler names of kLogCommands, in menu order
    const char* saveNameItem = nullptr;    // "P_SaveName_G"; none when null
    const char* saveNameCaption = nullptr;
    bool SettingsValues::*saveNameFlag = nullptr;
    std::optional<OutputFolder> folder;    // P_MUON_DIR ...; none when empty
};

class TabMenu : public QMenu {
    Q_OBJECT
public:
    // Builds the menu; its items act on the context's logs, settings and
    // folder choice.
    TabMenu(const TabMenuItems& items, BatchTabContext& context, QWidget* parent = nullptr);

    // An item by object name (P_HENKAN_KIROKU, P_SaveName_G, P_MUON_DIR, ...).
    QAction* item(const char* name) const;

    // The popup handler: enables the log items, shows the check marks.
    void popupHandler();

private:
    void addLogItem(const char* handler);
    void addSaveNameItem(const TabMenuItems& items);
    void addFolderItem(OutputFolder folder);

    BatchTabContext& context_;
    bool SettingsValues::*saveNameFlag_ = nullptr;
    QAction* saveNameItem_ = nullptr;
    std::vector<std::pair<QAction*, const LogCommand*>> logItems_;
};
