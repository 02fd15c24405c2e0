// media-cut: saves one part of a WAV file through the media device, as a cut
// does: open, delete what follows the part, delete what precedes it, save.
// No play is started, so no event loop is needed.
//   media-cut SOURCE DEST START_MS LENGTH_MS
#include <cstdio>
#include <string>

#include "MediaDevice.h"

int main(int argc, char** argv)
{
    if (argc != 5) {
        std::fprintf(stderr, "usage: media-cut SOURCE DEST START_MS LENGTH_MS\n");
        return 2;
    }
    MediaDevice device(&SilentOutput);
    const std::string start = argv[3];
    const std::string end = std::to_string(std::stoll(start) + std::stoll(argv[4]));
    const std::string commands[] = {
        "Open \"" + std::string(argv[1]) + "\" alias talvoMID wait",
        "set talvoMID time format ms wait",
        "delete TalvoMID from " + end + " wait",
        "delete TalvoMID to " + std::to_string(std::stoll(start) - 1) + " wait",
        "save TalvoMID \"" + std::string(argv[2]) + "\" wait",
        "close talvoMID wait",
    };
    std::string reply;
    for (const std::string& command : commands) {
        if (const int code = device.send(command, reply); code != 0) {
            std::fprintf(stderr, "media-cut: %s: error %d\n", command.c_str(), code);
            return 1;
        }
    }
    return 0;
}
