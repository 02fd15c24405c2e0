#include "EngineBinding.h"

#include <QCoreApplication>
#include <QPointer>

#include "EngineHost.h"
#include "Mkdlg.h"

void BindEngineHost()
{
    engineHost().processPendingMessages = [] { QCoreApplication::processEvents(); };
}

void BindEngineHost(TMKBoxDlg& box)
{
    BindEngineHost();
    const QPointer<TMKBoxDlg> target(&box);
    engineHost().infoTM = [target](const std::string& text, int defaultAnswer) {
        return target ? MKInfoTM(*target, QString::fromStdString(text), defaultAnswer) : defaultAnswer;
    };
    engineHost().error = [target](const std::string& text, int defaultAnswer) {
        return target ? MKError(*target, QString::fromStdString(text), defaultAnswer) : defaultAnswer;
    };
}
