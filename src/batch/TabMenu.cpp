#include "TabMenu.h"

#include <QAction>

#include "BatchTabTexts.h"
#include "OperationLogs.h"

namespace {

// The object name of a menu item: its handler's name without "Click".
QString ItemName(const char* handler)
{
    QString name = QString::fromLatin1(handler);
    name.chop(static_cast<int>(qstrlen("Click")));
    return name;
}

}  // namespace

TabMenu::TabMenu(const TabMenuItems& items, BatchTabContext& context, QWidget* parent)
    : QMenu(parent), context_(context)
{
    setObjectName(QString::fromLatin1(items.menuName));
    if (items.header) {
        addAction(QString::fromUtf8(items.header))->setEnabled(false);
        addSeparator();
    }
    if (items.sortOption) {
        addAction(items.sortOption);
        addSeparator();
    }
    for (const char* handler : items.logCommands) addLogItem(handler);
    if (items.saveNameItem || items.folder) addSeparator();
    if (items.saveNameItem) addSaveNameItem(items);
    if (items.folder) addFolderItem(*items.folder);
    connect(this, &QMenu::aboutToShow, this, &TabMenu::popupHandler);
}

QAction* TabMenu::item(const char* name) const { return findChild<QAction*>(QString::fromLatin1(name)); }

void TabMenu::addLogItem(const char* handler)
{
    const LogCommand* command = FindLogCommand(handler);
    if (!command) return;
    QAction* action = addAction(QString::fromUtf8(command->caption));
    action->setObjectName(ItemName(handler));
    action->setCheckable(command->operation == LogOperation::ToggleShowOff);
    connect(action, &QAction::triggered, this, [this, command] { context_.logs.run(*command); });
    logItems_.emplace_back(action, command);
}

void TabMenu::addSaveNameItem(const TabMenuItems& items)
{
    saveNameFlag_ = items.saveNameFlag;
    saveNameItem_ = addAction(QString::fromUtf8(items.saveNameCaption));
    saveNameItem_->setObjectName(QString::fromLatin1(items.saveNameItem));
    saveNameItem_->setCheckable(true);
    // P_SaveName_GClick and its twins: the check is the flag.
    connect(saveNameItem_, &QAction::triggered, this,
            [this](bool checked) { context_.settings.*saveNameFlag_ = checked; });
}

void TabMenu::addFolderItem(OutputFolder folder)
{
    const FolderCommand& command = FolderCommandFor(folder);
    QAction* action = addAction(QString::fromUtf8(command.caption) + QString::fromUtf8(BatchTabTexts::FolderItemTail));
    action->setObjectName(ItemName(command.command));
    connect(action, &QAction::triggered, this, [this, folder] { context_.chooseFolder(folder); });
}

void TabMenu::popupHandler()
{
    for (const auto& [action, command] : logItems_) {
        OperationLog& log = context_.logs.log(command->log);
        switch (command->operation) {
        case LogOperation::ShowRecord:
        case LogOperation::ClearRecord: action->setEnabled(log.recordItemsEnabled()); break;
        case LogOperation::ShowLastFile: action->setEnabled(log.lastFileItemEnabled()); break;
        case LogOperation::ToggleShowOff: action->setChecked(log.showOff().checked()); break;
        }
    }
    if (saveNameItem_) saveNameItem_->setChecked(context_.settings.*saveNameFlag_);
}
