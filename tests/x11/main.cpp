// The real-input tests run on an X server of their own, which the program
// under test and xdotool share.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

#include "TestApplication.h"
#include "XServer.h"

int main(int argc, char* argv[])
{
    ::testing::InitGoogleTest(&argc, argv);
    XServer server;
    if (server.display().empty()) {
        std::fprintf(stderr, "Xvfb could not be started\n");
        return 1;
    }
    setenv("DISPLAY", server.display().c_str(), 1);
    setenv("QT_QPA_PLATFORM", "xcb", 1);
    TestApplication();
    return RUN_ALL_TESTS();
}
