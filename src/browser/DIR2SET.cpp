#include "DIR2SET.h"

#include <QBoxLayout>
#include <QLabel>
#include <QLineEdit>

#include "ColorBtn.h"
#include "DIR2SETTexts.h"
#include "FolderSetting.h"

namespace {

constexpr int EditWidth = 380;
constexpr QSize ButtonSize(80, 28);
const QColor WarningRed(192, 0, 0);

QString Text(const char* utf8) { return QString::fromUtf8(utf8); }

QLabel* CreateLabel(QWidget* parent, const char* name, const QString& text = {})
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    return label;
}

ColorBtn* CreateButton(QWidget* parent, const char* name, const char* text, const char* hint)
{
    auto* button = new ColorBtn(Text(text), parent);
    button->setObjectName(name);
    button->setToolTip(Text(hint));
    button->setMinimumSize(ButtonSize);
    button->setAutoDefault(false);
    return button;
}

// "[ " + path + " ]" + line break + what happened to it.
QString AboutFolder(const std::string& folder, const char* what)
{
    return "[ " + QString::fromStdString(folder) + " ]" + "\n" + Text(what);
}

}  // namespace

TDIR2SETForm::TDIR2SETForm(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
                          | Qt::WindowCloseButtonHint)
{
    setObjectName("DIR2SETForm");
    setToolTip(Text(DIR2SETText::FormHint));
    MKBoxDlg1.setObjectName("MKBoxDlg1");
    MKBoxDlg1.SourceHandle = this;
    DIR2OPENDLG1.setObjectName("DIR2OPENDLG1");
    DIR2OPENDLG1.Caption = Text(DIR2SETText::BrowseCaption);
    DIR2OPENDLG1.Owner = this;
    createControls();
    layOut();
}

void TDIR2SETForm::createControls()
{
    Label1 = CreateLabel(this, "Label1");
    Label2 = CreateLabel(this, "Label2");
    Label3 = CreateLabel(this, "Label3", Text(DIR2SETText::Overwrites));
    Label4 = CreateLabel(this, "Label4", Text(DIR2SETText::ChooseEmpty));
    QPalette warning = Label3->palette();
    warning.setColor(QPalette::WindowText, WarningRed);
    Label3->setPalette(warning);

    Edit1 = new QLineEdit(this);
    Edit1->setObjectName("Edit1");
    Edit1->setMinimumWidth(EditWidth);

    Button4 = CreateButton(this, "Button4", DIR2SETText::Set, DIR2SETText::SetHint);
    Button3 = CreateButton(this, "Button3", DIR2SETText::Cancel, DIR2SETText::CancelHint);
    Button2 = CreateButton(this, "Button2", DIR2SETText::Browse, DIR2SETText::BrowseHint);
    Button1 = CreateButton(this, "Button1", DIR2SETText::Default, DIR2SETText::DefaultHint);
    Button4->setDefault(true);
    connect(Button1, &QPushButton::clicked, this, &TDIR2SETForm::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TDIR2SETForm::Button2Click);
    connect(Button3, &QPushButton::clicked, this, &TDIR2SETForm::Button3Click);
    connect(Button4, &QPushButton::clicked, this, &TDIR2SETForm::Button4Click);
}

void TDIR2SETForm::layOut()
{
    auto* folder = new QHBoxLayout;
    folder->addWidget(Edit1, 1);
    folder->addWidget(Button2);

    auto* warning = new QHBoxLayout;
    warning->addWidget(Label2);
    warning->addWidget(Label3);
    warning->addStretch();

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Button1);
    buttons->addStretch();
    buttons->addWidget(Button4);
    buttons->addWidget(Button3);

    auto* form = new QVBoxLayout(this);
    form->setContentsMargins(12, 12, 12, 12);
    form->addWidget(Label1);
    form->addLayout(folder);
    form->addSpacing(4);
    form->addLayout(warning);
    form->addWidget(Label4);
    form->addSpacing(8);
    form->addLayout(buttons);
    form->setSizeConstraint(QLayout::SetFixedSize);
}

void TDIR2SETForm::setUp(const QString& current, const QString& name, const QString& title,
                         bool standardColours)
{
    name_ = name;
    held_ = current;
    setWindowTitle(Text(DIR2SETText::Caption) + title);
    Label1->setText(name + Text(DIR2SETText::FolderSetting));
    Label2->setText(name + Text(DIR2SETText::FolderWarning));
    Edit1->setText(QString::fromStdString(ProposedFolderText(current.toStdString(), name.toStdString())));
    if (!standardColours) {
        QPalette inherited = Edit1->palette();
        inherited.setColor(QPalette::Base, palette().color(QPalette::Window));
        Edit1->setPalette(inherited);
    }
    adjustSize();
}

void TDIR2SETForm::done(int result)
{
    if (IsUnsetFolder(held_.toStdString())) {
        tell(Text(DIR2SETText::MustRegister));
        return;
    }
    QDialog::done(result);
}

void TDIR2SETForm::Button1Click()
{
    Edit1->setText(QString::fromStdString(DefaultFolderText(name_.toStdString())));
    Edit1->setFocus();
}

void TDIR2SETForm::Button2Click()
{
    DIR2OPENDLG1.Folder = Edit1->text();
    if (DIR2OPENDLG1.Execute() == 1 && !DIR2OPENDLG1.Folder.isEmpty()) Edit1->setText(DIR2OPENDLG1.Folder);
    Edit1->setFocus();
}

void TDIR2SETForm::Button3Click()
{
    tell(Text(DIR2SETText::Cancelled));
    done(MKAnswer::Abort);
}

void TDIR2SETForm::Button4Click()
{
    const auto mayCreate = [this](const std::string& level) {
        const QString question = QString::fromStdString(level) + "\n" + Text(DIR2SETText::CreateQuestion);
        // A count-down that runs out answers No: nothing is created unasked.
        return MKAsk(MKBoxDlg1, question, MKAnswer::No) == MKAnswer::Yes;
    };
    const FolderSetResult set = SetFolder(Edit1->text().toStdString(), mayCreate);
    switch (set.outcome) {
    case FolderSetOutcome::NoText:
        tell(Text(DIR2SETText::EnterFolder));
        break;
    case FolderSetOutcome::Declined:
        break;
    case FolderSetOutcome::CreationFailed:
        warn(Text(DIR2SETText::CreationFailed));
        break;
    case FolderSetOutcome::Invalid:
        warn(AboutFolder(set.folder, DIR2SETText::Invalid));
        break;
    case FolderSetOutcome::Registered:
        held_ = QString::fromStdString(set.folder);
        tell(AboutFolder(set.folder, DIR2SETText::Registered));
        done(MKAnswer::OK);
        return;
    }
    Edit1->setFocus();
}

void TDIR2SETForm::tell(const QString& text)
{
    MKInfo(MKBoxDlg1, text);
}

void TDIR2SETForm::warn(const QString& text)
{
    MKError(MKBoxDlg1, text, MKAnswer::OK);
}
