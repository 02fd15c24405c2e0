#include "RegistrationPanel.h"

#include <QAction>
#include <QGridLayout>
#include <QMenu>
#include <QPushButton>
#include <QVBoxLayout>

#include "ColorBtn.h"
#include "RegistrationList.h"
#include "RegistrationTexts.h"

namespace {

// The name suffix of a batch tab's controls: "_G", "_K", "_LR", "_REV".
QString Suffix(RegList id)
{
    switch (id) {
    case RegList::M: return QStringLiteral("_M");
    case RegList::G: return QStringLiteral("_G");
    case RegList::K: return QStringLiteral("_K");
    case RegList::LR: return QStringLiteral("_LR");
    case RegList::REV: return QStringLiteral("_REV");
    }
    return {};
}

QString ListName(RegList id) { return QStringLiteral("ListView") + Suffix(id); }

// Buttons per row: the file face's list stands in a narrow column, so its six
// buttons take two rows; a batch tab's eight fit the tab's width in one.
int ButtonsPerRow(RegList id) { return id == RegList::M ? 3 : 8; }

}  // namespace

RegistrationPanel::RegistrationPanel(RegList id, QWidget* parent)
    : QWidget(parent)
    , id_(id)
{
    using namespace RegistrationTexts;
    const QString suffix = Suffix(id);
    const bool cutList = id == RegList::M;
    setObjectName(QStringLiteral("RegistrationPanel") + suffix);

    buttons_ = new QGridLayout;
    list = new RegistrationList(ListName(id), this);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(list, 1);
    column->addLayout(buttons_);

    registerAll = addButton(QStringLiteral("Btn_TOROKU_ALL") + suffix, RegisterAll, RegisterAllHint);
    registerSelected = addButton(QStringLiteral("Btn_TOROKU_SEN") + suffix, RegisterSelected, RegisterSelectedHint);
    if (cutList) {
        up = addButton(QStringLiteral("Button_UP"), CutListMoveUp, MoveHint);
        down = addButton(QStringLiteral("Button_DOWN"), CutListMoveDown, MoveHint);
        remove = addButton(QStringLiteral("Btn_DEL"), CutListDelete, CutListDeleteHint);
        refresh = addButton(QStringLiteral("Btn_Koshin"), Refresh, CutListRefreshHint);
    } else {
        up = addButton(QStringLiteral("Btn_UE") + suffix, MoveUp, MoveHint);
        down = addButton(QStringLiteral("Btn_SITA") + suffix, MoveDown, MoveHint);
        remove = addButton(QStringLiteral("Btn_DEL") + suffix, Delete, DeleteHint);
        refresh = addButton(QStringLiteral("Btn_Koshin") + suffix, Refresh, RefreshHint);
        showSelection = addButton(QStringLiteral("Btn_SENTAK") + suffix, ShowSelection, ShowSelectionHint);
        stop = new ColorBtn(Stop, this);
        stop->setObjectName(id == RegList::REV ? QStringLiteral("ColorBtn8") : QStringLiteral("Btn_CANSEL") + suffix);
        stop->setToolTip(StopHint);
        stop->setColor(Qt::red);
        placeButton(stop);
    }
    buttons_->setColumnStretch(ButtonsPerRow(id), 1);

    sortOption = new QAction(cutList ? CutListSortOn : SortOn, this);
    sortOption->setObjectName(cutList ? QStringLiteral("MO_M_SORT") : QStringLiteral("P") + suffix.mid(1) + "_SORT");
    sortOption->setCheckable(true);
    if (!cutList) buildCopyMenu(suffix);
}

QPushButton* RegistrationPanel::addButton(const QString& name, const QString& text, const QString& hint)
{
    auto* button = new QPushButton(text, this);
    button->setObjectName(name);
    button->setToolTip(hint);
    placeButton(button);
    return button;
}

void RegistrationPanel::placeButton(QPushButton* button)
{
    const int placed = buttons_->count();
    buttons_->addWidget(button, placed / ButtonsPerRow(id_), placed % ButtonsPerRow(id_));
}

void RegistrationPanel::buildCopyMenu(const QString& suffix)
{
    using namespace RegistrationTexts;
    popupMenu = new QMenu(this);
    popupMenu->setObjectName(QStringLiteral("PopupMenu_LV") + suffix.mid(1));
    copy = popupMenu->addAction(Copy);
    copy->setObjectName(QStringLiteral("PLV") + suffix.mid(1) + "_COPY");
    popupMenu->addSeparator();
    popupMenu->addAction(CopyCancel);  // closes the menu, nothing else
    list->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(list, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { popupMenu->popup(list->viewport()->mapToGlobal(at)); });
}
