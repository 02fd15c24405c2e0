// Times the file list of one folder: makes COUNT small WAV files (and a few
// other files and folders the list must leave out) in a temporary folder and
// lists it the way the file face does:
//  - `ls -l` of the folder (best of 5), the yardstick;
//  - the first fill of a shown ListView1 until it is painted, and the peak
//    resident memory that fill adds (measured first, before anything else
//    has grown the heap);
//  - refilling the same list (best of 5) and the largest peak it adds;
//  - the listing alone, without the list (best of 5).
// Target: listed and shown within 1500 ms, at most 80 MB more peak memory.
//   list-folder [COUNT]   (default 10000)
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <random>
#include <string>

#include <QApplication>
#include <QTreeWidget>

#include "FileBrowser.h"
#include "FileListing.h"
#include "Mkdlg.h"

namespace fs = std::filesystem;

namespace {

constexpr double TargetMs = 1500;
constexpr double TargetMb = 80;
constexpr int Runs = 5;

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

double MsOf(const std::function<void()>& work)
{
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

// A field of /proc/self/status in MB (VmRSS, VmHWM); 0 where there is none.
double StatusMb(const std::string& field)
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind(field + ":", 0) == 0) return std::atof(line.c_str() + field.size() + 1) / 1024.0;
    return 0;
}

// Makes the peak resident memory start again from the present.
void ResetPeak()
{
    std::ofstream("/proc/self/clear_refs") << "5";
}

struct Fill {
    double ms = 0;
    double addedMb = 0;
    int rows = 0;
};

// One fill of the shown list until its rows are laid out and painted.
Fill TimedFill(TFileBrowser& browser, const QString& folder)
{
    QCoreApplication::processEvents();
    ResetPeak();
    const double before = StatusMb("VmRSS");
    Fill fill;
    fill.ms = MsOf([&] {
        browser.FillFileList(folder);
        browser.ListView1->viewport()->repaint();
        QCoreApplication::processEvents();
    });
    fill.addedMb = StatusMb("VmHWM") - before;
    fill.rows = browser.ListView1->topLevelItemCount();
    return fill;
}

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int count = argc > 1 ? std::atoi(argv[1]) : 10000;
    const fs::path folder = fs::temp_directory_path() / ("vantro-list-bench-" + std::to_string(std::random_device{}()));
    MakeFolder(folder, count);
    const QString folderText = QString::fromStdString(folder.string());

    const std::string ls = "ls -l '" + folder.string() + "' >/dev/null";
    double lsMs = 1e9;
    for (int run = 0; run < Runs; ++run) lsMs = std::min(lsMs, MsOf([&] { (void)std::system(ls.c_str()); }));

    TMKBoxDlg box;
    MediaState media;
    TFileBrowser browser(box, media);
    browser.resize(1000, 700);
    browser.show();
    const Fill first = TimedFill(browser, folderText);
    double refillMs = 1e9;
    double refillMb = 0;
    bool allRows = first.rows == count;
    for (int run = 0; run < Runs; ++run) {
        const Fill refill = TimedFill(browser, folderText);
        refillMs = std::min(refillMs, refill.ms);
        refillMb = std::max(refillMb, refill.addedMb);
        allRows = allRows && refill.rows == count;
    }

    double listMs = 1e9;
    for (int run = 0; run < Runs; ++run) {
        listMs = std::min(listMs, MsOf([&] {
            const auto rows = ListFolderFiles(folder.string(), SplitMasks(FileMaskText(false)));
            allRows = allRows && rows && rows->size() == static_cast<size_t>(count);
        }));
    }
    fs::remove_all(folder);

    const double worstMs = std::max(first.ms, refillMs);
    const double worstMb = std::max(first.addedMb, refillMb);
    const bool met = worstMs <= TargetMs && worstMb <= TargetMb;
    std::printf("list-folder: %d WAV files; ls -l %.1f ms; listing alone %.1f ms (best of %d)\n", count, lsMs, listMs, Runs);
    std::printf("  first fill of the shown ListView1 %.1f ms (%.2fx ls -l), %.1f MB more peak memory\n", first.ms,
                first.ms / lsMs, first.addedMb);
    std::printf("  refill %.1f ms (best of %d, %.2fx ls -l), at most %.1f MB more peak memory\n", refillMs, Runs,
                refillMs / lsMs, refillMb);
    std::printf("  target: listed and shown within %.0f ms, at most %.0f MB more: %s%s\n", TargetMs, TargetMb,
                met ? "met" : "MISSED", allRows ? "" : "; ROWS MISSING");
    return allRows ? 0 : 1;
}
