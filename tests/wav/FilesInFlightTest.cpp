// The record of files in flight: what an interrupt removes.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <string>

#include "CopyRoutineTest.h"
#include "FilesInFlight.h"
#include "TargetFile.h"

namespace fs = std::filesystem;

namespace {

// A folder nested so deep under `base` that its path is longer than the
// system takes in one call; the test stands in it while it lives.
class DeepFolder {
public:
    explicit DeepFolder(const fs::path& base) : home_(fs::current_path())
    {
        fs::current_path(base);
        while (depth_ * (Level.size() + 1) <= 5000) {
            fs::create_directory(Level);
            fs::current_path(Level);
            ++depth_;
        }
    }
    ~DeepFolder()
    {
        std::error_code ec;
        for (const auto& entry : fs::directory_iterator(".", ec)) fs::remove(entry.path(), ec);
        for (; depth_ > 0; --depth_) {
            fs::current_path("..", ec);
            fs::remove(Level, ec);
        }
        fs::current_path(home_, ec);
    }
    DeepFolder(const DeepFolder&) = delete;
    DeepFolder& operator=(const DeepFolder&) = delete;

private:
    inline static const std::string Level = std::string(200, 'd');
    fs::path home_;
    int depth_ = 0;
};

std::set<std::string> Here() { return FolderNames("."); }

TEST(FilesInFlightTest, AnInterruptRemovesATemporaryFileHoweverDeepItsFolder)
{
    TempDir dir;
    const std::string source = dir.write("in.wav", WavSpec{}.build());
    DeepFolder deep(dir.path());
    {
        TargetFile target;
        ASSERT_TRUE(target.create("out.wav", source));
        ASSERT_EQ(Here().size(), 1u);  // the temporary file
        RemoveFilesInFlight();
        EXPECT_EQ(Here(), std::set<std::string>{});
    }
    // A file recorded, then the current folder left: its own folder still tells where it is.
    std::ofstream("kept.tmp").put('x');
    const int slot = RegisterFileInFlight("kept.tmp");
    ASSERT_GE(slot, 0);
    const int here = open(".", O_RDONLY | O_DIRECTORY);
    fs::current_path(dir.path());
    RemoveFilesInFlight();
    ForgetFileInFlight(slot);
    ASSERT_EQ(fchdir(here), 0);
    close(here);
    EXPECT_EQ(Here(), std::set<std::string>{});
}

}  // namespace
