#pragma once
// A composed program for tests: a VantroSession and its main window run as
// a temporary user against an in-memory settings key, with a scripted user
// at the message box and a desktop that records instead of opening.
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QThread>

#include <memory>

#include "MKResponder.h"
#include "MemorySettingsStore.h"
#include "RecordingDesktop.h"
#include "SettingsStore.h"
#include "TestWav.h"
#include "VantroSession.h"
#include "WindowTestSupport.h"

// Lets the event loop run for a while.
inline void Wait(int ms)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < ms) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(5);
    }
}

class SessionTest : public TestUser {
protected:
    void SetUp() override
    {
        TestUser::SetUp();
        auto owned = std::make_unique<MemorySettingsStore>();
        store = owned.get();
        previousStore = replaceSettingsStore(std::move(owned));
    }
    void TearDown() override
    {
        replaceSettingsStore(std::move(previousStore));
        TestUser::TearDown();
    }

    // Stores every batch output folder as an existing folder, so that start-up
    // goes straight to stage B.
    void storeBatchFolders()
    {
        for (const char* name : {"MUON_DIR", "WADD_DIR", "LR_DIR", "REV_DIR", "KL_DIR"}) {
            const std::string folder = std::string("out/") + name;
            QDir().mkpath(qpath(folder));
            store->preset(QString::fromLatin1(name), qpath(folder) + "/");
        }
    }

    // Every batch folder stored, and the file browser's folder sounds/.
    void storeFoldersAndSounds()
    {
        storeBatchFolders();
        QDir().mkpath(qpath("sounds"));
        store->preset("CPath", qpath("sounds") + "/");
    }

    // A mono 8 kHz file of `ms` milliseconds in sounds/.
    QString sound(const std::string& name, int ms) { return monoSound(name, 8000, Bytes(static_cast<size_t>(ms) * 8, 128)); }

    // The session's window, shown once stage B has run (null when it never did).
    static std::unique_ptr<TTALVO_VANTRO> StartWindow(VantroSession& session)
    {
        auto window = std::make_unique<TTALVO_VANTRO>(session.steps());
        if (!WaitForStageB(*window)) return nullptr;
        // Tests run without a sound server; the notice that plays are silent
        // has its own tests (SoundAndSavesTest) and stays out of the others' boxes.
        session.state().device->setSilenceNotice({});
        window->show();
        QCoreApplication::processEvents();
        return window;
    }

    // Waits until stage B has run (or the time runs out).
    static bool WaitForStageB(TTALVO_VANTRO& window)
    {
        QElapsedTimer clock;
        clock.start();
        while (window.state().completionMarker != StageBComplete && clock.elapsed() < 5000) Wait(20);
        return window.state().completionMarker == StageBComplete;
    }

    MemorySettingsStore* store = nullptr;
    std::unique_ptr<SettingsStore> previousStore;
    MKResponder boxes;
    ScopedRecordingDesktop viewer;
};
