#include "InstallerWindow.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "Installation.h"
#include "InstallerTexts.h"
#include "MKTexts.h"
#include "Mkdlg.h"
#include "ProgramInfo.h"
#include "SettingsStore.h"
#include "ShortcutCommands.h"

TInstallerWindow::TInstallerWindow(QWidget* parent)
    : QDialog(parent), box_(new TMKBoxDlg(this))
{
    setObjectName(QStringLiteral("InstallerWindow"));
    setWindowTitle(QString::fromUtf8(InstallerTexts::Title));

    auto* intro = new QLabel(
        QString::fromUtf8(InstallerTexts::Intro).arg(ProgramInfo::Version).arg(ProgramInfo::Group), this);
    intro->setObjectName(QStringLiteral("Label_Intro"));
    intro->setWordWrap(true);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(QString::fromUtf8(MKText::OK), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("Btn_OK"));
    ok->setDefault(true);
    QPushButton* cancel = buttons->addButton(QString::fromUtf8(MKText::Cancel), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("Btn_Cancel"));
    connect(ok, &QPushButton::clicked, this, &TInstallerWindow::Btn_OKClick);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addWidget(buttons);
    setMinimumWidth(460);
}

void TInstallerWindow::Btn_OKClick()
{
    const ShortcutPaths paths = MakeShortcutPaths(ProgramInfo::Title, ProgramInfo::Group);
    if (!InstallProgram(settingsStore(), paths, ProgramLauncher()))
        MKInfo(*box_, QString::fromUtf8(InstallerTexts::LauncherFailed));
    accept();
}
