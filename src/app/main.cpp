// VANTRO: the desktop program.
#include <QApplication>
#include <QMainWindow>

#include "EngineBinding.h"
#include "Mkdlg.h"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName("VANTRO");

    QMainWindow window;
    window.setObjectName("TALVO_VANTRO");
    window.setWindowTitle("VANTRO");
    window.resize(800, 600);

    auto* messageBox = new TMKBoxDlg(&window);
    messageBox->setObjectName("MKBoxDlg1");
    BindEngineHost(*messageBox);

    window.show();
    return app.exec();
}
