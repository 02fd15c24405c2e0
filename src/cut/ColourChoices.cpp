#include "ColourChoices.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>

#include "ColourTexts.h"

std::array<QAction*, ColourChoiceCount> AddColourChoices(QMenu& menu,
                                                         const std::array<const char*, ColourChoiceCount>& captions,
                                                         const std::array<const char*, ColourChoiceCount>& names,
                                                         const char* cancelName, std::function<void(int code)> chosen)
{
    std::array<QAction*, ColourChoiceCount> items{};
    auto* group = new QActionGroup(&menu);
    for (int code = 0; code < ColourChoiceCount; ++code) {
        QAction* item = menu.addAction(QString::fromUtf8(captions[code]));
        item->setObjectName(QString::fromLatin1(names[code]));
        item->setCheckable(true);
        group->addAction(item);
        QObject::connect(item, &QAction::triggered, &menu, [chosen, code] { chosen(code); });
        items[code] = item;
    }
    menu.addSeparator();
    menu.addAction(QString::fromUtf8(ColourTexts::Cancel))->setObjectName(QString::fromLatin1(cancelName));
    return items;
}
