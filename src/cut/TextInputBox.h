#pragma once
// The one-line text input box of the cut face (the category names, the save
// base name): a caption and an initial text in, the text confirmed with OK
// out, nothing when cancelled.
#include <QString>

#include <functional>
#include <optional>

class QWidget;

using AskText = std::function<std::optional<QString>(const QString& title, const QString& initial)>;

// The box as a QInputDialog over `owner`.
AskText TextInputBox(QWidget* owner);
