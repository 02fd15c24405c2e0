#include "LineDeleteMenu.h"

#include <QAction>

#include "BatchTabTexts.h"
#include "LineTabTexts.h"
#include "Mkdlg.h"
#include "Prompt.h"
#include "RegistrationLists.h"
#include "TextListBox.h"

LineDeleteMenu::LineDeleteMenu(const QString& suffix, TextListBox& list, RegistrationLists& lists, TMKBoxDlg& box,
                               LineDeleteQuestions questions, QWidget* parent)
    : QMenu(parent)
    , list_(list)
    , lists_(lists)
    , box_(box)
    , questions_(std::move(questions))
{
    setObjectName(QStringLiteral("PopupMenu_DEL") + suffix);
    P_DEL_SEL = addAction(QString::fromUtf8(LineTabTexts::DeleteSelected));
    P_DEL_SEL->setObjectName(QStringLiteral("P_DEL_SEL") + suffix);
    P_DEL_ALL = addAction(QString::fromUtf8(LineTabTexts::DeleteAll));
    P_DEL_ALL->setObjectName(QStringLiteral("P_DEL_ALL") + suffix);
    addSeparator();
    addAction(QString::fromUtf8(BatchTabTexts::Cancel));  // closes the menu, nothing else
    connect(P_DEL_SEL, &QAction::triggered, this, &LineDeleteMenu::deleteSelected);
    connect(P_DEL_ALL, &QAction::triggered, this, &LineDeleteMenu::deleteAll);
    connect(this, &QMenu::aboutToShow, this, &LineDeleteMenu::popupHandler);
}

void LineDeleteMenu::popupHandler()
{
    const bool hasLines = list_.count() > 0;
    P_DEL_SEL->setEnabled(hasLines);
    P_DEL_ALL->setEnabled(hasLines);
}

void LineDeleteMenu::deleteSelected()
{
    if (!confirmed(questions_.selected)) return;
    lists_.showCountsBusy();
    list_.removeSelectedLines();
    if (list_.isVisible()) list_.setFocus();
    lists_.updateCountCaptions();
}

void LineDeleteMenu::deleteAll()
{
    if (!confirmed(questions_.all)) return;
    lists_.showCountsBusy();
    list_.clear();
    lists_.updateCountCaptions();
}

// Not while a registration places lines in the list.
bool LineDeleteMenu::confirmed(const QString& question)
{
    return !lists_.registrationRunning() && MKAsk(box_, question, PromptAnswer::No) == PromptAnswer::Yes;
}
