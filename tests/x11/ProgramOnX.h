#pragma once
// The program as the desktop composes it, on the test's X server: a session
// and its main window under a temporary user whose settings hold the five
// batch output folders, shown once start-up has run to its end.
#include <QDir>
#include <QElapsedTimer>
#include <QTest>

#include <memory>

#include "EngineBinding.h"
#include "MemorySettingsStore.h"
#include "SettingsStore.h"
#include "VantroSession.h"
#include "WindowTestSupport.h"

class ProgramOnX : public TestUser {
protected:
    void SetUp() override
    {
        TestUser::SetUp();
        ASSERT_FALSE(qEnvironmentVariableIsEmpty("DISPLAY")) << "no X server";
        auto owned = std::make_unique<MemorySettingsStore>();
        for (const char* name : {"MUON_DIR", "WADD_DIR", "LR_DIR", "REV_DIR", "KL_DIR"}) {
            QDir().mkpath(qpath(std::string("out/") + name));
            owned->preset(QString::fromLatin1(name), qpath(std::string("out/") + name) + "/");
        }
        store = owned.get();
        previousStore = replaceSettingsStore(std::move(owned));
    }
    void TearDown() override
    {
        window.reset();
        session.reset();
        replaceSettingsStore(std::move(previousStore));
        TestUser::TearDown();
    }

    // Starts the program and waits until its window is on the screen.
    void startProgram()
    {
        session = std::make_unique<VantroSession>();
        window = std::make_unique<TTALVO_VANTRO>(session->steps());
        BindEngineHost(*window->MKBoxDlg1);
        QElapsedTimer clock;
        clock.start();
        while (window->state().completionMarker != StageBComplete && clock.elapsed() < 20000) QTest::qWait(20);
        ASSERT_EQ(window->state().completionMarker, StageBComplete);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }

    MemorySettingsStore* store = nullptr;
    std::unique_ptr<SettingsStore> previousStore;
    std::unique_ptr<VantroSession> session;
    std::unique_ptr<TTALVO_VANTRO> window;
};
