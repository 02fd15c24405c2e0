#include "TmSETdlg.h"

#include <QGuiApplication>
#include <QPointer>

#include "DialogPlacement.h"
#include "TmSET.h"

TTmSETBoxDlg::TTmSETBoxDlg(QObject* parent)
    : QObject(parent)
{
}

int TTmSETBoxDlg::Execute(const QString& targetName)
{
    QWidget* owner = OwnerOrMainWindow(OwnerWindow);
    QPointer<TTMSETBox> form = new TTMSETBox(owner);
    form->setMessages(Message, Message1, Message2);
    form->setWindowTitle(Caption.isEmpty() ? QGuiApplication::applicationDisplayName() : Caption);
    form->setValue(TimeSetValue(Value, Minimum), ShownUnit(Message, Unit));
    form->setTargetName(targetName);
    PlaceOver(*form, owner);
    const int result = form->exec();
    // The form is gone when its owner was destroyed meanwhile: nothing was confirmed.
    if (form.isNull()) return 3;
    if (result == 1) Value = form->value();
    delete form;
    return result == 1 ? 1 : 3;
}
