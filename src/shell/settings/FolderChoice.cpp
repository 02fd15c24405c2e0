#include "FolderChoice.h"

#include <algorithm>

#include "Mkdlg.h"
#include "SettingsFolders.h"
#include "SettingsTexts.h"

const std::array<FolderCommand, 6>& FolderCommands()
{
    using namespace SettingsText;
    static const std::array<FolderCommand, 6> commands = {{
        {OutputFolder::Split, "MF_SAVE_DIRClick", SplitFolderCaption, "SAVE_DIR", &SettingsValues::SAVE_DIR},
        {OutputFolder::Conversion, "P_MUON_DIRClick", ConversionFolderCaption, "MUON_DIR", &SettingsValues::MUON_DIR},
        {OutputFolder::Join, "P_WADD_DIRClick", JoinFolderCaption, "WADD_DIR", &SettingsValues::WADD_DIR},
        {OutputFolder::Separation, "P_LR_DIRClick", SeparationFolderCaption, "LR_DIR", &SettingsValues::LR_DIR},
        {OutputFolder::Reversal, "P_REV_DIRClick", ReversalFolderCaption, "REV_DIR", &SettingsValues::REV_DIR},
        {OutputFolder::ListJoin, "P_KL_DIRClick", ListJoinFolderCaption, "KL_DIR", &SettingsValues::KL_DIR},
    }};
    return commands;
}

const FolderCommand& FolderCommandFor(OutputFolder folder)
{
    return FolderCommands()[static_cast<std::size_t>(folder)];
}

const FolderCommand* FolderCommandNamed(const QString& command)
{
    const auto& commands = FolderCommands();
    const auto found = std::find_if(commands.begin(), commands.end(),
                                    [&](const FolderCommand& each) { return command == QLatin1String(each.command); });
    return found == commands.end() ? nullptr : &*found;
}

QString ChooseFolder(SettingsValues& values, OutputFolder folder, const FolderChooser& chooser)
{
    const FolderCommand& command = FolderCommandFor(folder);
    QString& held = values.*command.field;
    const QString chosen = chooser(values.BackColor, QString::fromUtf8(command.caption),
                                   QLatin1String(command.valueName), FolderForDialog(held));
    if (!chosen.isEmpty()) held = WithTrailingSeparator(chosen);
    return held;
}

bool FirstRunPrompt(SettingsValues& values, SettingsStore& store, TMKBoxDlg& box, const FolderChooser& chooser,
                    const std::function<bool()>& closing)
{
    MKInfo(box, QString::fromUtf8(SettingsText::FirstRunNotice));
    for (const FolderCommand& command : FolderCommands()) {
        if (command.folder == OutputFolder::Split || !(values.*command.field).isEmpty()) continue;
        if (closing()) return false;
        store.write(QLatin1String(command.valueName), ChooseFolder(values, command.folder, chooser));
    }
    return !closing();
}
