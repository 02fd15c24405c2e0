// VANTRO: the desktop program.
#include <QApplication>
#include <QMainWindow>

#include "EngineBinding.h"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName("VANTRO");
    BindEngineHost();

    QMainWindow window;
    window.setObjectName("TALVO_VANTRO");
    window.setWindowTitle("VANTRO");
    window.resize(800, 600);
    window.show();
    return app.exec();
}
