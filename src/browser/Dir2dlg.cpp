#include "Dir2dlg.h"

#include "DIR2SET.h"
#include "DialogPlacement.h"
#include "FolderSetting.h"

TDIR2SETDLG::TDIR2SETDLG(QObject* parent)
    : QObject(parent)
{
}

QString TDIR2SETDLG::Execute()
{
    const QString current = IsUnsetFolder(Folder.toStdString()) ? QString() : Folder;
    QWidget* owner = OwnerOrMainWindow(OwnerWindow);
    QPointer<TDIR2SETForm> form = new TDIR2SETForm(owner);
    form->setUp(current, Name, Title, StdColor);
    PlaceOver(*form, owner);
    form->exec();
    // The form is gone when its owner was destroyed meanwhile: nothing new was registered.
    if (form.isNull()) return current;
    const QString held = form->heldFolder();
    delete form;
    return held;
}
