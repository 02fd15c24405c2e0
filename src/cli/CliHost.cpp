#include "CliHost.h"

#include <cstdio>

#include "CliOutput.h"
#include "EngineHost.h"

void InstallCliHost()
{
    auto notice = [](const std::string& text, int defaultAnswer) {
        PrintLine(stderr, text);
        return defaultAnswer;
    };
    engineHost().infoTM = notice;
    engineHost().error = notice;
}
