#include "CutFileRow.h"

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

#include "CutRowTexts.h"
#include "EditTextSelection.h"

namespace {

QLineEdit* FileField(QWidget* parent, const char* name, const char* hint)
{
    auto* field = new QLineEdit(parent);
    field->setObjectName(QString::fromLatin1(name));
    field->setReadOnly(true);
    field->setToolTip(QString::fromUtf8(hint));
    return field;
}

}  // namespace

CutFileRow::CutFileRow(QWidget* parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("Panel_Fn"));
    setFrameShape(QFrame::StyledPanel);
    ComboBox1 = new QComboBox(this);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->setToolTip(QString::fromUtf8(CutRowTexts::ComboBox1Hint));
    Edit_Fn = FileField(this, "Edit_Fn", CutRowTexts::CutFileHint);
    Edit_SDIR = FileField(this, "Edit_SDIR", CutRowTexts::SaveDirHint);
    Edit_SFn = FileField(this, "Edit_SFn", CutRowTexts::SaveFileHint);
    Label_SFn_Last = new QLabel(QString::fromUtf8(CutRowTexts::LongNamePattern) + ".wav", this);
    Label_SFn_Last->setObjectName(QStringLiteral("Label_SFn_Last"));
    Label_SFn_Last->setToolTip(QString::fromUtf8(CutRowTexts::NamePatternHint));

    Timer_Edit = new EditTextSelection(this);
    for (QLineEdit* field : {Edit_Fn, Edit_SDIR, Edit_SFn}) {
        Timer_Edit->watch(field);
        field->installEventFilter(this);
    }
    // Only a choice by the user (or by the face switch, which calls the
    // handler itself) loads a file: filling the combo does not.
    connect(ComboBox1, &QComboBox::activated, this, [this] { ComboBox1Change(); });

    auto* line = new QGridLayout(this);
    line->setContentsMargins(6, 4, 6, 4);
    line->setVerticalSpacing(2);
    line->addWidget(ComboBox1, 0, 0, 1, 3);
    line->addWidget(new QLabel(QString::fromUtf8(CutRowTexts::CutFileLabel), this), 1, 0);
    line->addWidget(Edit_Fn, 1, 1, 1, 2);
    line->addWidget(new QLabel(QString::fromUtf8(CutRowTexts::SaveDirLabel), this), 2, 0);
    line->addWidget(Edit_SDIR, 2, 1, 1, 2);
    line->addWidget(new QLabel(QString::fromUtf8(CutRowTexts::SaveFileLabel), this), 3, 0);
    line->addWidget(Edit_SFn, 3, 1);
    line->addWidget(Label_SFn_Last, 3, 2);
    line->setColumnStretch(1, 1);
}

bool CutFileRow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonDblClick) {
        if (watched == Edit_Fn) emit cutFileDoubleClicked();
        if (watched == Edit_SDIR) emit saveFolderDoubleClicked();
        if (watched == Edit_SFn) emit saveBaseDoubleClicked();
    }
    return QFrame::eventFilter(watched, event);
}
