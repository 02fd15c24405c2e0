#include "EngineHost.h"

EngineHost& engineHost()
{
    static EngineHost host;
    return host;
}

void ProcessPendingMessages()
{
    if (engineHost().processPendingMessages) engineHost().processPendingMessages();
}
