#include "TimePopups.h"

#include <QAction>
#include <QMenu>
#include <QPushButton>

#include <algorithm>
#include <array>

#include "BatchTabTexts.h"
#include "PopupOpening.h"
#include "SettingsCaptions.h"
#include "SettingsValues.h"
#include "TmSETdlg.h"

using namespace BatchTabTexts;

namespace {

// The settings behind one tab's time buttons.
struct TimeFields {
    const char* suffix;
    int SettingsValues::*head;
    int SettingsValues::*headTenths;
    int SettingsValues::*tail;
    int SettingsValues::*tailTenths;
    int SettingsValues::*fadeIn;
    int SettingsValues::*fadeOut;
};

const TimeFields& FieldsOf(TimeTab tab)
{
    using S = SettingsValues;
    static const std::array<TimeFields, 3> fields = {{
        {"_G", &S::TM_MAE_G, &S::TM_MAE_MS_G, &S::TM_ATO_G, &S::TM_ATO_MS_G, &S::TM_IN_G, &S::TM_OUT_G},
        {"_K", &S::TM_MAE_K, &S::TM_MAE_MS_K, &S::TM_ATO_K, &S::TM_ATO_MS_K, &S::TM_IN_K, &S::TM_OUT_K},
        {"_KL", &S::TM_MAE_KL, &S::TM_MAE_MS_KL, &S::TM_ATO_KL, &S::TM_ATO_MS_KL, &S::TM_IN_KL, &S::TM_OUT_KL},
    }};
    return fields[static_cast<size_t>(tab)];
}

QAction* AddItem(QMenu* menu, const QString& name, const QString& text)
{
    QAction* item = menu->addAction(text);
    item->setObjectName(name);
    return item;
}

QAction* AddHeader(QMenu* menu, const char* name)
{
    QAction* header = AddItem(menu, QString::fromLatin1(name), {});
    header->setEnabled(false);
    menu->addSeparator();
    return header;
}

QPushButton* TimeButton(const QString& name, QWidget* parent)
{
    auto* button = new QPushButton(parent);
    button->setObjectName(name);
    return button;
}

constexpr std::array<int, 11> kFadeLengths = {0, 1, 2, 3, 4, 5, 6, 7, 10, 15, 20};

}  // namespace

BatchTimes TimesOf(const SettingsValues& settings, TimeTab tab)
{
    const TimeFields& f = FieldsOf(tab);
    BatchTimes times;
    times.headSeconds = settings.*f.head;
    times.headTenths = settings.*f.headTenths;
    times.tailSeconds = settings.*f.tail;
    times.tailTenths = settings.*f.tailTenths;
    times.fadeInSeconds = settings.*f.fadeIn;
    times.fadeOutSeconds = settings.*f.fadeOut;
    return times;
}

TimePopups::TimePopups(SettingsValues& settings, QWidget* owner)
    : QObject(owner), settings_(settings), owner_(owner)
{
    buildSilenceMenu();
    buildFadeMenu();
}

void TimePopups::buildSilenceMenu()
{
    PopupMenu_TM = new QMenu(owner_);
    PopupMenu_TM->setObjectName(QStringLiteral("PopupMenu_TM"));
    PMUON = AddHeader(PopupMenu_TM, "PMUON");
    connect(AddItem(PopupMenu_TM, QStringLiteral("PMUON_0"), QString::fromUtf8(PMUON_0)), &QAction::triggered, this,
            [this] { PMUON_0Click(0, 0); });
    for (int seconds = 1; seconds <= 5; ++seconds)
        connect(AddItem(PopupMenu_TM, QStringLiteral("PMUON_%1").arg(seconds), QString::fromUtf8(PMUON_1to5[seconds - 1])),
                &QAction::triggered, this, [this, seconds] { PMUON_0Click(seconds, 0); });
    PMUON_TM = AddItem(PopupMenu_TM, QStringLiteral("PMUON_TM"), SilenceLengthCaption(settings_.G_TM_MU));
    connect(PMUON_TM, &QAction::triggered, this,
            [this] { PMUON_0Click(settings_.G_TM_MU / 10, settings_.G_TM_MU % 10); });
    PopupMenu_TM->addSeparator();
    connect(AddItem(PopupMenu_TM, QStringLiteral("PMUON_Set"), QString::fromUtf8(PMUON_Set)), &QAction::triggered,
            this, [this] { PMUON_SetClick(); });
    AddItem(PopupMenu_TM, QStringLiteral("PMUON_X"), QString::fromUtf8(Cancel));
    connect(PopupMenu_TM, &QMenu::aboutToShow, this, [this] { PopupMenu_TMPopup(); });
}

void TimePopups::buildFadeMenu()
{
    PopupMenu_FAID = new QMenu(owner_);
    PopupMenu_FAID->setObjectName(QStringLiteral("PopupMenu_FAID"));
    PFAID = AddHeader(PopupMenu_FAID, "PFAID");
    for (size_t i = 0; i < kFadeLengths.size(); ++i) {
        const int seconds = kFadeLengths[i];
        connect(AddItem(PopupMenu_FAID, QStringLiteral("PFAID_%1").arg(seconds), QString::fromUtf8(PFAID_Captions[i])),
                &QAction::triggered, this, [this, seconds] { PFAID_0Click(seconds); });
    }
    PopupMenu_FAID->addSeparator();
    AddItem(PopupMenu_FAID, QStringLiteral("PFAID_X"), QString::fromUtf8(Cancel));
    connect(PopupMenu_FAID, &QMenu::aboutToShow, this, [this] { PopupMenu_FAIDPopup(); });
}

TimeButtons TimePopups::createButtons(TimeTab tab, QWidget* parent)
{
    const QString suffix = QString::fromLatin1(FieldsOf(tab).suffix);
    TimeButtons b;
    b.Btn_MUON_MAE = TimeButton("Btn_MUON_MAE" + suffix, parent);
    b.Btn_MUON_ATO = TimeButton("Btn_MUON_ATO" + suffix, parent);
    b.Btn_FAID_IN = TimeButton("Btn_FAID_IN" + suffix, parent);
    b.Btn_FAID_OUT = TimeButton("Btn_FAID_OUT" + suffix, parent);
    for (QPushButton* button : {b.Btn_MUON_MAE, b.Btn_MUON_ATO})
        BindPopupButton(button, [this, button](const QPoint& at) { Btn_MUON_MAE_GClick(button, at); });
    for (QPushButton* button : {b.Btn_FAID_IN, b.Btn_FAID_OUT})
        BindPopupButton(button, [this, button](const QPoint& at) { Btn_FAID_IN_GClick(button, at); });
    bound_.push_back({tab, b});
    showCaptions(bound_.back());
    return b;
}

void TimePopups::showSettings()
{
    for (const Bound& bound : bound_) showCaptions(bound);
    showCustomLength();
}

void TimePopups::showCaptions(const Bound& bound)
{
    const TimeFields& f = FieldsOf(bound.tab);
    const TimeButtons& b = bound.buttons;
    b.Btn_MUON_MAE->setText(HeadSilenceCaption(settings_.*f.head, settings_.*f.headTenths));
    b.Btn_MUON_ATO->setText(TailSilenceCaption(settings_.*f.tail, settings_.*f.tailTenths));
    b.Btn_FAID_IN->setText(FadeInCaption(settings_.*f.fadeIn));
    b.Btn_FAID_OUT->setText(FadeOutCaption(settings_.*f.fadeOut));
}

void TimePopups::showCustomLength() { PMUON_TM->setText(SilenceLengthCaption(settings_.G_TM_MU)); }

const TimePopups::Bound* TimePopups::boundOf(const QPushButton* button) const
{
    const auto found = std::find_if(bound_.begin(), bound_.end(), [button](const Bound& bound) {
        const TimeButtons& b = bound.buttons;
        return button == b.Btn_MUON_MAE || button == b.Btn_MUON_ATO || button == b.Btn_FAID_IN ||
               button == b.Btn_FAID_OUT;
    });
    return found == bound_.end() ? nullptr : &*found;
}

bool TimePopups::isTail(const QPushButton* button) const
{
    const Bound* bound = boundOf(button);
    return bound && bound->buttons.Btn_MUON_ATO == button;
}

bool TimePopups::isFadeOut(const QPushButton* button) const
{
    const Bound* bound = boundOf(button);
    return bound && bound->buttons.Btn_FAID_OUT == button;
}

void TimePopups::Btn_MUON_MAE_GClick(QPushButton* button, const QPoint& at)
{
    if (opening_) return;
    silenceButton_ = button;
    OpenPopup(PopupMenu_TM, at, opening_);
}

void TimePopups::PopupMenu_TMPopup()
{
    PMUON->setText(QString::fromUtf8(isTail(silenceButton_) ? TailSilence : HeadSilence) +
                   QString::fromUtf8(SecondsSetting));
}

void TimePopups::PMUON_0Click(int seconds, int tenths)
{
    const Bound* bound = boundOf(silenceButton_);
    if (!bound) return;
    const TimeFields& f = FieldsOf(bound->tab);
    const bool tail = isTail(silenceButton_);
    settings_.*(tail ? f.tail : f.head) = seconds;
    settings_.*(tail ? f.tailTenths : f.headTenths) = tenths;
    showCaptions(*bound);
}

void TimePopups::PMUON_SetClick()
{
    TTmSETBoxDlg box;
    box.Unit = QString::fromUtf8(TimeBoxUnit);
    box.Value = settings_.G_TM_MU;
    box.Minimum = 1;
    box.Message = QString::fromUtf8(TimeBoxMessage);
    box.Message1 = QString::fromUtf8(TimeBoxMessage1);
    box.Message2 = QString::fromUtf8(TimeBoxMessage2);
    box.OwnerWindow = owner_;
    if (box.Execute(QString::fromUtf8(TimeBoxTarget)) != 1) return;
    settings_.G_TM_MU = std::clamp(box.Value, 1, 6000);
    showCustomLength();
}

void TimePopups::Btn_FAID_IN_GClick(QPushButton* button, const QPoint& at)
{
    if (opening_) return;
    fadeButton_ = button;
    OpenPopup(PopupMenu_FAID, at, opening_);
}

void TimePopups::PopupMenu_FAIDPopup()
{
    PFAID->setText(QString::fromUtf8(isFadeOut(fadeButton_) ? FadeOut : FadeIn) + QString::fromUtf8(SecondsSetting));
}

void TimePopups::PFAID_0Click(int seconds)
{
    const Bound* bound = boundOf(fadeButton_);
    if (!bound) return;
    const TimeFields& f = FieldsOf(bound->tab);
    settings_.*(isFadeOut(fadeButton_) ? f.fadeOut : f.fadeIn) = seconds;
    showCaptions(*bound);
}
