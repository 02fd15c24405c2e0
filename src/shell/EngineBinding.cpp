#include "EngineBinding.h"

#include <QCoreApplication>

#include "EngineHost.h"

void BindEngineHost()
{
    engineHost().processPendingMessages = [] { QCoreApplication::processEvents(); };
}
