#include "SettingsFields.h"

#include <QHash>

#include <variant>

#include "SettingsNumber.h"
#include "WindowPlacement.h"

namespace {

using Field = std::variant<bool SettingsValues::*, int SettingsValues::*, QString SettingsValues::*,
                           QPoint SettingsValues::*, QSize SettingsValues::*>;

#define SETTINGS_FIELD(name) {QStringLiteral(#name), &SettingsValues::name}

const QHash<QString, Field>& Fields()
{
    static const QHash<QString, Field> fields = {
        SETTINGS_FIELD(Version),      SETTINGS_FIELD(FP),           SETTINGS_FIELD(FS),
        SETTINGS_FIELD(FSPLIT),       SETTINGS_FIELD(SAVE_DIR),
        SETTINGS_FIELD(MUON_DIR),     SETTINGS_FIELD(WADD_DIR),     SETTINGS_FIELD(LR_DIR),
        SETTINGS_FIELD(REV_DIR),      SETTINGS_FIELD(KL_DIR),       SETTINGS_FIELD(FUN),
        SETTINGS_FIELD(DirNo),        SETTINGS_FIELD(CPath),        SETTINGS_FIELD(M_Text),
        SETTINGS_FIELD(G_Text),       SETTINGS_FIELD(K_Text),       SETTINGS_FIELD(LR_Text),
        SETTINGS_FIELD(REV_Text),     SETTINGS_FIELD(DIR_Text),     SETTINGS_FIELD(minihelp),
        SETTINGS_FIELD(BackColor),    SETTINGS_FIELD(No_Memo),      SETTINGS_FIELD(M_SORT),
        SETTINGS_FIELD(G_SORT),       SETTINGS_FIELD(K_SORT),       SETTINGS_FIELD(LR_SORT),
        SETTINGS_FIELD(REV_SORT),     SETTINGS_FIELD(HENKAN_NO),    SETTINGS_FIELD(KETUGO_NO),
        SETTINGS_FIELD(LR_NO),        SETTINGS_FIELD(REV_NO),       SETTINGS_FIELD(Start_TM),
        SETTINGS_FIELD(RENZOKU),      SETTINGS_FIELD(PTS),          SETTINGS_FIELD(FileOnly),
        SETTINGS_FIELD(AUTO_NAME),    SETTINGS_FIELD(TALVO_COLOR),  SETTINGS_FIELD(SAVE_NAME),
        SETTINGS_FIELD(SAVE_NAME_G),  SETTINGS_FIELD(SAVE_NAME_K),  SETTINGS_FIELD(SAVE_NAME_LR),
        SETTINGS_FIELD(SAVE_NAME_REV), SETTINGS_FIELD(MCUTF_G),     SETTINGS_FIELD(ML8_G),
        SETTINGS_FIELD(ML16_G),       SETTINGS_FIELD(G_TM_MU),      SETTINGS_FIELD(TM_MAE_G),
        SETTINGS_FIELD(TM_MAE_MS_G),  SETTINGS_FIELD(TM_ATO_G),     SETTINGS_FIELD(TM_ATO_MS_G),
        SETTINGS_FIELD(TM_MAE_K),     SETTINGS_FIELD(TM_MAE_MS_K),  SETTINGS_FIELD(TM_ATO_K),
        SETTINGS_FIELD(TM_ATO_MS_K),  SETTINGS_FIELD(TM_MAE_KL),    SETTINGS_FIELD(TM_MAE_MS_KL),
        SETTINGS_FIELD(TM_ATO_KL),    SETTINGS_FIELD(TM_ATO_MS_KL), SETTINGS_FIELD(TM_IN_G),
        SETTINGS_FIELD(TM_OUT_G),     SETTINGS_FIELD(TM_IN_K),      SETTINGS_FIELD(TM_OUT_K),
        SETTINGS_FIELD(TM_IN_KL),     SETTINGS_FIELD(TM_OUT_KL),    SETTINGS_FIELD(Combo_KL),
        SETTINGS_FIELD(TSNo),         SETTINGS_FIELD(KL_Index),     SETTINGS_FIELD(IR_Index),
        SETTINGS_FIELD(Group),
    };
    return fields;
}

#undef SETTINGS_FIELD

const Field* FieldNamed(const QString& name)
{
    const auto found = Fields().constFind(name);
    return found == Fields().constEnd() ? nullptr : &*found;
}

struct TextOf {
    const SettingsValues& values;
    QString operator()(bool SettingsValues::*flag) const { return values.*flag ? QStringLiteral("1") : QStringLiteral("0"); }
    QString operator()(int SettingsValues::*number) const { return QString::number(values.*number); }
    QString operator()(QString SettingsValues::*text) const { return values.*text; }
    QString operator()(QPoint SettingsValues::*position) const { return WindowPositionText(values.*position); }
    QString operator()(QSize SettingsValues::*size) const { return WindowSizeText(values.*size); }
};

struct TakeText {
    SettingsValues& values;
    const QString& text;
    const SettingsValues defaults{};

    void operator()(bool SettingsValues::*flag) const
    {
        const std::optional<int> number = DecimalNumber(text);
        values.*flag = number ? *number != 0 : defaults.*flag;
    }
    void operator()(int SettingsValues::*number) const { values.*number = DecimalNumber(text).value_or(defaults.*number); }
    void operator()(QString SettingsValues::*field) const { values.*field = text.isEmpty() ? defaults.*field : text; }
    void operator()(QPoint SettingsValues::*position) const
    {
        values.*position = ParseWindowPosition(text).value_or(defaults.*position);
    }
    void operator()(QSize SettingsValues::*size) const { values.*size = ParseWindowSize(text).value_or(defaults.*size); }
};

}  // namespace

bool IsSettingsValueName(const QString& name) { return Fields().contains(name); }

QString SettingsValueText(const SettingsValues& values, const QString& name)
{
    const Field* field = FieldNamed(name);
    return field ? std::visit(TextOf{values}, *field) : QString();
}

void TakeSettingsValueText(SettingsValues& values, const QString& name, const QString& text)
{
    if (const Field* field = FieldNamed(name)) std::visit(TakeText{values, text}, *field);
}
