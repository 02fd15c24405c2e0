#pragma once
// The rules for the output folders held in the settings: how a stored folder
// is taken at start-up, and the trailing separator they are held with.
#include <QString>

// The folder with a trailing separator; empty stays empty.
QString WithTrailingSeparator(const QString& folder);
// The folder without its trailing separator; a root stays whole.
QString WithoutTrailingSeparator(const QString& folder);

// The split-file folder from its stored text: SplitFolderUnset() for an empty
// text, "\", the marker itself, or a folder that neither exists nor resolves
// (matching levels without regard to case). A folder found becomes the
// process's current directory (SplitFolderUnset() when it cannot). Held with a
// trailing separator.
QString SplitFolderFromStored(const QString& stored);

// A batch output folder from its stored text: expanded to a full path (from
// the current directory) and held with a trailing separator; empty when the
// text is empty or the folder does not exist.
QString BatchFolderFromStored(const QString& stored);

// Where the parts of a cut go: the held split-file folder when one was
// chosen, else ~/TALVOT32/SAVE_DIR/ (the default of that setting), which the
// cut creates when it saves its first part. With a trailing separator.
QString SplitFilesFolder(const QString& held);

// The folder handed to the folder-setting dialog: without its trailing
// separator, and empty while the split-file folder is unset.
QString FolderForDialog(const QString& held);
