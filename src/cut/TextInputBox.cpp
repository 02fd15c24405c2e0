#include "TextInputBox.h"

#include <QInputDialog>

AskText TextInputBox(QWidget* owner)
{
    return [owner](const QString& title, const QString& initial) -> std::optional<QString> {
        QInputDialog box(owner);
        box.setObjectName(QStringLiteral("InputBox"));
        box.setWindowTitle(title);
        box.setLabelText(title);
        box.setTextValue(initial);
        if (box.exec() != QDialog::Accepted) return std::nullopt;
        return box.textValue();
    };
}
