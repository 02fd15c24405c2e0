#include "CutFace.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

#include "WindowTexts.h"

namespace {

constexpr QSize kListsSize(700, 500);    // Panel_S
constexpr QSize kControlsSize(280, 500); // Panel_C

QFrame* FramedPanel(QWidget* parent, const char* name)
{
    auto* panel = new QFrame(parent);
    panel->setObjectName(QString::fromLatin1(name));
    panel->setFrameShape(QFrame::StyledPanel);
    return panel;
}

QLineEdit* FileField(QWidget* parent, const char* name, const char* hint)
{
    auto* field = new QLineEdit(parent);
    field->setObjectName(QString::fromLatin1(name));
    field->setReadOnly(true);
    field->setToolTip(QString::fromUtf8(hint));
    return field;
}

}  // namespace

TCutFace::TCutFace(WindowState& state, QWidget* parent)
    : QFrame(parent), state_(state)
{
    setObjectName(QStringLiteral("Panel_CUT"));
    Panel_S = FramedPanel(this, "Panel_S");
    Panel_S->setFixedSize(kListsSize);
    Panel_C = FramedPanel(this, "Panel_C");
    Panel_C->setFixedSize(kControlsSize);
    Panel_Fn = FramedPanel(this, "Panel_Fn");
    buildFileLine();

    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(Panel_S, 0, 0, Qt::AlignLeft | Qt::AlignTop);
    layout->addWidget(Panel_C, 0, 1, Qt::AlignLeft | Qt::AlignTop);
    layout->addWidget(Panel_Fn, 1, 0, 1, 2);
    layout->setRowStretch(2, 1);
    layout->setColumnStretch(2, 1);
}

void TCutFace::buildFileLine()
{
    Edit_Fn = FileField(Panel_Fn, "Edit_Fn", WindowTexts::CutFileHint);
    Edit_SDIR = FileField(Panel_Fn, "Edit_SDIR", WindowTexts::SaveDirHint);
    Edit_SFn = FileField(Panel_Fn, "Edit_SFn", WindowTexts::SaveFileHint);
    Label_SFn_Last = new QLabel(QString::fromUtf8(WindowTexts::SaveNamePattern), Panel_Fn);
    Label_SFn_Last->setObjectName(QStringLiteral("Label_SFn_Last"));
    Label_SFn_Last->setToolTip(QString::fromUtf8(WindowTexts::SaveNamePatternHint));

    auto* line = new QGridLayout(Panel_Fn);
    line->setContentsMargins(6, 4, 6, 4);
    line->setVerticalSpacing(2);
    line->addWidget(new QLabel(QString::fromUtf8(WindowTexts::CutFileLabel), Panel_Fn), 0, 0);
    line->addWidget(Edit_Fn, 0, 1, 1, 2);
    line->addWidget(new QLabel(QString::fromUtf8(WindowTexts::SaveDirLabel), Panel_Fn), 1, 0);
    line->addWidget(Edit_SDIR, 1, 1, 1, 2);
    line->addWidget(new QLabel(QString::fromUtf8(WindowTexts::SaveFileLabel), Panel_Fn), 2, 0);
    line->addWidget(Edit_SFn, 2, 1);
    line->addWidget(Label_SFn_Last, 2, 2);
    line->setColumnStretch(1, 1);
}

QSize TCutFace::clientSize() const
{
    return {Panel_S->width() + Panel_C->width(), Panel_S->height() + Panel_Fn->sizeHint().height()};
}
