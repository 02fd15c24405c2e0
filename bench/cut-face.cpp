// Times the cut face of the composed program, run as a temporary user:
//   - showing the cut face ("WAV分割画面") for a 2 GB, 3-hour file: its length
//     read and its lists built;
//   - BuildTimeLists of a 10-hour file at a 1 s interval (36,001 entries);
//   - switching MO_FUN ("分単位にする") with 1,000 registered times (same file);
//   - registering 1,000 cut times found at pauses, as the pause box hands
//     them to the registered times (same file, none registered before).
// The WAV files are sparse: only their headers are written. Prints the best
// of five runs of each against its target; exits 1 when one is missed.
//   cut-face
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "CutFace.h"
#include "CutFaceContext.h"
#include "CutFileRow.h"
#include "FaceSwitches.h"
#include "Folders.h"
#include "MKResponder.h"
#include "MemorySettingsStore.h"
#include "RegisteredTimeCommands.h"
#include "RegistrationList.h"
#include "SettingsStore.h"
#include "TimeListBox.h"
#include "TimeListsPanel.h"
#include "VantroSession.h"

namespace fs = std::filesystem;

namespace {

void PutU32(std::string& b, uint32_t v)
{
    for (int i = 0; i < 4; ++i) b.push_back(static_cast<char>(v >> (8 * i)));
}

// A PCM WAV file of `seconds` whose data are holes of the file system.
void SparseWav(const fs::path& path, uint32_t rate, uint16_t channels, uint16_t bits, uint32_t seconds)
{
    const uint16_t align = static_cast<uint16_t>(channels * bits / 8);
    const uint32_t data = rate * align * seconds;
    std::string head = "RIFF";
    PutU32(head, 36 + data);
    head += "WAVEfmt ";
    PutU32(head, 16);
    head += std::string{1, 0};
    head += std::string{static_cast<char>(channels), 0};
    PutU32(head, rate);
    PutU32(head, rate * align);
    head += std::string{static_cast<char>(align), 0, static_cast<char>(bits), 0};
    head += "data";
    PutU32(head, data);
    std::ofstream(path, std::ios::binary).write(head.data(), static_cast<std::streamsize>(head.size()));
    fs::resize_file(path, head.size() + data);
}

void LetEventsRun(int ms)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < ms) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(2);
    }
}

// The best of five runs of `timed`, each after `prepare`, in ms.
double Best(const std::function<void()>& prepare, const std::function<void()>& timed)
{
    double best = 1e9;
    for (int run = 0; run < 5; ++run) {
        prepare();
        QElapsedTimer clock;
        clock.start();
        timed();
        best = std::min(best, clock.nsecsElapsed() / 1e6);
    }
    return best;
}

bool Report(const QString& what, double ms, double target, const QString& outcome)
{
    const bool met = ms < target;
    std::printf("cut-face: %s in %.1f ms (%s; best of 5; target under %.0f ms) %s\n", what.toUtf8().constData(), ms,
                outcome.toUtf8().constData(), target, met ? "PASS" : "MISS");
    return met;
}

}  // namespace

int main(int argc, char** argv)
{
    const fs::path home = fs::temp_directory_path() / ("vantro-cut-bench-" + std::to_string(std::random_device{}()));
    for (const char* folder : {"config", "data", "runtime", "sounds", "out"}) fs::create_directories(home / folder);
    fs::permissions(home / "runtime", fs::perms::owner_all, fs::perm_options::replace);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("HOME", home.c_str());
    qputenv("XDG_CONFIG_HOME", (home / "config").c_str());
    qputenv("XDG_DATA_HOME", (home / "data").c_str());
    qputenv("XDG_RUNTIME_DIR", (home / "runtime").c_str());
    QApplication app(argc, argv);
    InitFolders();

    const fs::path threeHours = home / "sounds" / "three hours.wav";
    const fs::path tenHours = home / "sounds" / "ten hours.wav";
    SparseWav(threeHours, 44100, 2, 16, 3 * 3600);
    SparseWav(tenHours, 8000, 1, 8, 10 * 3600);

    auto store = std::make_unique<MemorySettingsStore>();
    for (const char* name : {"MUON_DIR", "WADD_DIR", "LR_DIR", "REV_DIR", "KL_DIR"})
        store->preset(name, QString::fromStdString((home / "out").string()) + "/");
    store->preset("CPath", QString::fromStdString((home / "sounds").string()) + "/");
    store->preset("FUN", "0");
    replaceSettingsStore(std::move(store));
    MKResponder answers;  // every message box takes its default answer

    VantroSession session;
    TTALVO_VANTRO window(session.steps());
    while (window.state().completionMarker != StageBComplete) LetEventsRun(20);
    window.show();
    ProgramState& state = session.state();
    TCutFace& face = *window.Panel_CUT;
    ListEntries files;
    for (const fs::path& file : {threeHours, tenHours}) {
        const QString path = QString::fromStdString(file.string());
        files.append({FileRow{QFileInfo(path).fileName(), path, {}, {}, {}}, file == threeHours});
    }
    state.lists->list(RegList::M)->setEntries(files);

    bool met = true;
    const double shown = Best([&] { state.faceSwitches->Button_SelectClick(); },
                              [&] { state.faceSwitches->Button14Click(); });
    met &= Report(QStringLiteral("cut face shown for a 3-hour file of %1 bytes").arg(fs::file_size(threeHours)), shown, 300,
                  QStringLiteral("length %1 ms, %2 entries").arg(window.state().media.CutLength)
                      .arg(face.Panel_S->ListBox_ALL->count()));

    face.Panel_Fn->ComboBox1->setCurrentIndex(1);
    face.Panel_Fn->ComboBox1Change();
    CutFaceContext& context = *state.cutContext;
    context.setIntervalIndex(0);
    const double built = Best([] {}, [&] { context.BuildTimeLists(); });
    met &= Report(QStringLiteral("BuildTimeLists of a 10-hour file at 1 s"), built, 200,
                  QStringLiteral("%1 entries").arg(face.Panel_S->ListBox_ALL->count()));

    for (int i = 0; i < 1000; ++i)
        state.cutWork.registered.RegisterEntry(TimeEntryText(i * 36000LL, state.cutWork.format), "", false);
    context.showRegistered();
    QAction* minutes = window.menus().MO_FUN;
    const double switched = Best([] {}, [&] { minutes->trigger(); });
    met &= Report(QStringLiteral("MO_FUN switched with 1,000 registered times"), switched, 200,
                  QStringLiteral("%1 registered, %2 entries").arg(face.Panel_S->ListBox_C->count())
                      .arg(face.Panel_S->ListBox_ALL->count()));

    std::vector<int64_t> pauses;
    for (int i = 0; i < 1000; ++i) pauses.push_back(i * 35000LL + 17321);
    const double registered = Best([&] {
        state.cutWork.registered.clear();
        context.showRegistered();
    }, [&] { face.registered->registerTimes(pauses); });
    met &= Report(QStringLiteral("1,000 pause times registered"), registered, 200,
                  QStringLiteral("%1 registered").arg(face.Panel_S->ListBox_C->count()));

    fs::remove_all(home);
    return met ? 0 : 1;
}
