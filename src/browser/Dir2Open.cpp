#include "Dir2Open.h"

#include <QFileDialog>

namespace {

QString SystemPicker(QWidget* owner, const QString& caption, const QString& start)
{
    return QFileDialog::getExistingDirectory(owner, caption, start);
}

TDIR2OPENDLG::Picker& CurrentPicker()
{
    static TDIR2OPENDLG::Picker picker = SystemPicker;
    return picker;
}

}  // namespace

TDIR2OPENDLG::TDIR2OPENDLG(QObject* parent)
    : QObject(parent)
{
}

int TDIR2OPENDLG::Execute()
{
    const QString chosen = CurrentPicker()(Owner, Caption, Folder);
    if (chosen.isEmpty()) return 2;
    Folder = chosen;
    return 1;
}

TDIR2OPENDLG::Picker TDIR2OPENDLG::replacePicker(Picker picker)
{
    Picker previous = CurrentPicker();
    CurrentPicker() = picker ? std::move(picker) : Picker(SystemPicker);
    return previous;
}
