// Times the file list of one folder: makes COUNT small WAV files (and a few
// other files and folders the list must leave out) in a temporary folder,
// lists it the way the file face does, and prints the best of five runs:
// once the listing alone, once the file list ListView1 filled with it.
//   list-folder [COUNT]   (default 10000)
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include <QApplication>
#include <QTreeWidget>

#include "FileBrowser.h"
#include "FileListing.h"
#include "Mkdlg.h"

namespace fs = std::filesystem;

namespace {

void MakeFolder(const fs::path& folder, int count)
{
    static const char header[44] = {'R', 'I', 'F', 'F', 36, 0, 0, 0, 'W', 'A', 'V', 'E', 'f', 'm', 't', ' ', 16, 0, 0, 0,
                                    1, 0, 2, 0, 0x44, static_cast<char>(0xAC), 0, 0, 0x10, static_cast<char>(0xB1), 2, 0,
                                    4, 0, 16, 0, 'd', 'a', 't', 'a', 0, 0, 0, 0};
    fs::create_directories(folder);
    for (int i = 0; i < count; ++i) {
        std::ofstream out(folder / ("take " + std::to_string(i) + (i % 2 ? ".WAV" : ".wav")), std::ios::binary);
        out.write(header, sizeof header);
    }
    for (int i = 0; i < 100; ++i) {
        std::ofstream(folder / ("note " + std::to_string(i) + ".txt")) << "x";
        fs::create_directory(folder / ("sub " + std::to_string(i) + ".wav"));
    }
}

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int count = argc > 1 ? std::atoi(argv[1]) : 10000;
    const fs::path folder = fs::temp_directory_path() / ("vantro-list-bench-" + std::to_string(std::random_device{}()));
    MakeFolder(folder, count);
    const QStringList masks = SplitMasks(FileMaskText(false));
    double best = 1e9;
    size_t listed = 0;
    for (int run = 0; run < 5; ++run) {
        const auto start = std::chrono::steady_clock::now();
        const auto rows = ListFolderFiles(folder.string(), masks);
        const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
        best = std::min(best, took.count());
        listed = rows ? rows->size() : 0;
    }
    TMKBoxDlg box;
    MediaState media;
    TFileBrowser browser(box, media);
    double bestFill = 1e9;
    int filled = 0;
    for (int run = 0; run < 5; ++run) {
        const auto start = std::chrono::steady_clock::now();
        browser.FillFileList(QString::fromStdString(folder.string()));
        const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
        bestFill = std::min(bestFill, took.count());
        filled = browser.ListView1->topLevelItemCount();
    }
    fs::remove_all(folder);
    std::printf("list-folder: %zu of %d WAV files listed in %.1f ms, ListView1 filled with %d rows in %.1f ms"
                " (best of 5; target under 1000 ms)\n",
                listed, count, best, filled, bestFill);
    return listed == static_cast<size_t>(count) && filled == count ? 0 : 1;
}
