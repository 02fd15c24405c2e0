#include "H_DIRdlg.h"

#include <QApplication>

#include "DialogPlacement.h"
#include "H_DIRFM.h"

void TH_DIRBoxDlg::setDIR(const QString& folder)
{
    dir_ = folder;
    history_.setNewDIR(folder);
}

int TH_DIRBoxDlg::Execute(const QString& folder, QWidget* owner)
{
    setDIR(folder);
    QWidget* window = OwnerOrMainWindow(owner);
    TH_DIRBox box(window);
    box.setWindowTitle(Caption.isEmpty() ? QApplication::applicationDisplayName() : Caption);
    if (!Filter.isEmpty()) box.setFilter(Filter, FilterIndex);
    box.setFolders(history_.entries());
    PlaceOver(box, window);
    const int result = runBox ? runBox(box) : box.exec();
    if (result != QDialog::Accepted) return result;
    history_.moveToFront(box.selectedFolder());
    return 1;
}
