#include "LineTabParts.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "RegistrationLists.h"
#include "TextListBox.h"

void FillLinePanel(QWidget* panel, TextListBox* list, const QList<QWidget*>& controls, QLabel* count)
{
    auto* column = new QVBoxLayout(panel);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(list, 1);
    auto* row = new QHBoxLayout;
    row->setSpacing(3);
    for (QWidget* control : controls) row->addWidget(control);
    row->addStretch(1);
    count->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    row->addWidget(count);
    column->addLayout(row);
}

void RunLineRegistration(RegistrationLists& lists, TextListBox& list, const std::function<bool()>& step,
                         bool fromBrowser)
{
    if (lists.registrationRunning()) return;
    list.beginInsertions();
    lists.runRegistration(step, fromBrowser);
    list.endInsertions();
}

std::vector<std::string> StdStrings(const QStringList& texts)
{
    std::vector<std::string> strings;
    strings.reserve(texts.size());
    for (const QString& text : texts) strings.push_back(text.toStdString());
    return strings;
}

QStringList BrowserPaths(RegistrationLists& lists, bool all)
{
    QStringList paths;
    const auto& source = all ? lists.browserAllRows : lists.browserSelectedRows;
    if (lists.registrationRunning() || !source) return paths;
    for (const FileRow& row : source()) paths << row.path;
    return paths;
}
