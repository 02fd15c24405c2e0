// The playback procedures against the media device on its silent output.
#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>

#include <memory>

#include "MKResponder.h"
#include "MediaDevice.h"
#include "Mkdlg.h"
#include "Playback.h"
#include "PlaybackTexts.h"
#include "SeekBar.h"
#include "TestApplication.h"
#include "TestWav.h"

namespace {

class PlaybackTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        TestApplication();
        device = std::make_unique<MediaDevice>(&SilentOutput);
        playback = std::make_unique<Playback>(*device, state, box, minutes);
        playback->fileFaceContinuation = [this](int code) {
            continued.push_back(code);
            notifyBusyDuringContinuation = state.NotifyBusy;
        };
    }

    QString makeWav(const std::string& name, uint16_t channels, uint16_t bits, uint32_t rate, size_t frames)
    {
        WavSpec spec;
        spec.channels = channels;
        spec.bits = bits;
        spec.sampleRate = rate;
        spec.data = NoiseBytes(frames * spec.align());
        return QString::fromStdString(dir.write(name, spec.build()));
    }

    bool play(const QString& file, int from, int to)
    {
        state.PlayFile = file;
        state.PlayFrom = from;
        state.PlayTo = to;
        return playback->OpenAndPlay();
    }

    void runEventsFor(int ms, size_t untilContinued = 99)
    {
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < ms && continued.size() < untilContinued)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 20);
    }

    TempDir dir;
    MKResponder responder;
    TMKBoxDlg box;
    MediaState state;
    bool minutes = false;
    std::unique_ptr<MediaDevice> device;
    std::unique_ptr<Playback> playback;
    std::vector<int> continued;
    bool notifyBusyDuringContinuation = false;
};

TEST_F(PlaybackTest, OpenFailuresShowTheirMessageAndAbortAnswerSetsTheFlag)
{
    const QString missing = QString::fromStdString(dir.file("gone.wav"));
    responder.script(1);
    EXPECT_FALSE(play(missing, 0, -1));
    responder.script(3);
    state.PlayFile = missing;
    EXPECT_FALSE(playback->OpenForLength());
    ASSERT_EQ(responder.calls().size(), 2u);
    EXPECT_EQ(responder.calls()[0].kind, "MKError");
    EXPECT_EQ(responder.calls()[0].text, QString(PlayErrorLead) + missing + "\n" + OpenFailedText);
    EXPECT_EQ(responder.calls()[1].text, QString(PlayErrorLead) + missing + "\n" + OpenFailedText);
    EXPECT_TRUE(state.AbortFlag);
    EXPECT_FALSE(state.MsgShowing);

    // Once aborted, nothing plays until the flag is cleared.
    const QString file = makeWav("a.wav", 2, 16, 44100, 44100);
    EXPECT_FALSE(play(file, 0, -1));
    state.AbortFlag = false;
    EXPECT_TRUE(play(file, 0, -1));
    EXPECT_TRUE(playback->Timer8.isActive());
    playback->ColorBtn1Click();
    EXPECT_TRUE(state.AbortFlag);
    EXPECT_FALSE(playback->Timer8.isActive());
}

TEST_F(PlaybackTest, OpenAndPlayNormalisesTheRangeAndFillsTheTexts)
{
    const QString file = makeWav("s.wav", 2, 16, 44100, 44100 * 3);  // 3000 ms
    EXPECT_TRUE(play(file, 500, 500));
    EXPECT_EQ(state.CommandBuf, "play talvoMID from 500 to 501 notify");
    EXPECT_TRUE(play(file, -5, -1));
    EXPECT_EQ(state.CommandBuf, "play talvoMID from 0 to 3000 notify");
    EXPECT_TRUE(play(file, 4000, 9000));
    EXPECT_EQ(state.CommandBuf, "play talvoMID from 3000 to 3000 notify");
    EXPECT_EQ(state.PlayLength, 3000);
    EXPECT_TRUE(state.FileDispText.startsWith(file + QString(10, ' ') + "44100 / 16 / stereo" + QString(10, ' ')));
    EXPECT_EQ(state.InfoSize, QString(" 529,244"));
    EXPECT_EQ(state.TotalTimeText, "3");
    EXPECT_EQ(state.PlayTimeText, "3");
    EXPECT_EQ(state.InfoAttr, "   A");

    const QString mono = makeWav("m.wav", 1, 8, 8000, 8000 * 200);  // 200 s
    minutes = true;
    EXPECT_TRUE(play(mono, 185400, -1));
    EXPECT_TRUE(state.FileDispText.contains("8000 / 8 / mono"));
    EXPECT_EQ(state.TotalTimeText, "3.20");
    EXPECT_EQ(state.PlayTimeText, "3.05");
}

TEST_F(PlaybackTest, SeekBarReleaseChoosesTheNextStart)
{
    SeekBar bar;
    bar.resize(100, 10);
    playback->setSeekBar(&bar);
    const QString file = makeWav("t.wav", 1, 8, 1000, 30000);  // 30 s
    int seeks = 0;
    playback->seekPlay = [&] {
        ++seeks;
        play(file, -1, -1);
    };
    bar.Panel_B1MouseDown(10);
    bar.Panel_B1MouseMove(50);
    bar.Panel_B1MouseUp();
    EXPECT_EQ(seeks, 1);
    EXPECT_EQ(state.BarMsPerPixel, 300);
    EXPECT_EQ(state.PlayFrom, 15000);
    EXPECT_FALSE(state.SeekPending);
    EXPECT_EQ(bar.Panel_B1->width(), 50);

    bar.Panel_B1MouseDown(0);
    bar.Panel_B1MouseMove(250);  // beyond the track: limited to its width
    bar.Panel_B1MouseUp();
    EXPECT_EQ(state.PlayFrom, 30000);
}

TEST_F(PlaybackTest, OnlyAPlayThatEndsLeadsToTheContinuation)
{
    const QString file = makeWav("c.wav", 2, 16, 44100, 44100 * 2);
    ASSERT_TRUE(play(file, 100, 400));
    runEventsFor(1500, 1);
    ASSERT_EQ(continued, std::vector<int>{1});
    EXPECT_TRUE(notifyBusyDuringContinuation);
    EXPECT_FALSE(state.NotifyBusy);
    EXPECT_FALSE(playback->Timer8.isActive());  // the device was closed

    ASSERT_TRUE(play(file, 0, 1000));
    ASSERT_TRUE(play(file, 0, 1000));  // the first is closed, never continued
    playback->Button2Click();          // the second is stopped
    runEventsFor(1300);
    EXPECT_EQ(continued.size(), 1u);

    playback->MciNotify(2);
    playback->MciNotify(8);
    state.NotifyBusy = true;
    playback->MciNotify(1);  // still handling the previous one
    EXPECT_EQ(continued.size(), 1u);

    state.NotifyBusy = false;
    state.FileFaceVisible = false;
    int cut = 0;
    playback->cutFaceContinuation = [&](int) { ++cut; };
    playback->MciNotify(1);
    EXPECT_EQ(cut, 1);
    EXPECT_EQ(continued.size(), 1u);
}

TEST_F(PlaybackTest, PositionTimerAdvancesTheDisplay)
{
    SeekBar bar;
    bar.resize(200, 10);
    playback->setSeekBar(&bar);
    const QString file = makeWav("p.wav", 2, 16, 44100, 44100 * 20);  // 20 s: 100 ms per pixel
    ASSERT_TRUE(play(file, 5000, -1));
    EXPECT_EQ(bar.Panel_B1->width(), 50);
    runEventsFor(1300);
    EXPECT_GT(state.PlayPos, 5800);
    EXPECT_EQ(state.PlayTimeText, QString::number(state.PlayPos / 1000));
    EXPECT_GE(bar.Panel_B1->width(), 58);
}

TEST_F(PlaybackTest, ProbeAndLengthLeaveThePlayAlone)
{
    const QString played = makeWav("p.wav", 2, 16, 44100, 44100 * 5);
    ASSERT_TRUE(play(played, 0, -1));
    EXPECT_EQ(playback->ProbeWavFormat(makeWav("q.wav", 1, 24, 22050, 100)), "22050 / 24 / mono");
    EXPECT_EQ(playback->ProbeWavFormat(QString::fromStdString(dir.file("none.wav"))), "");
    std::string reply;
    EXPECT_EQ(device->send("status talvoMID position", reply), 0);  // still open

    state.PlayFile = makeWav("cut.wav", 2, 16, 48000, 48000 * 7 / 2);
    EXPECT_TRUE(playback->OpenForLength());
    EXPECT_EQ(state.CutLength, 3500);
    EXPECT_TRUE(responder.calls().empty());

    state.ClosingFlag = true;
    EXPECT_EQ(playback->MciSend("status talvoMID length"), -1);
    EXPECT_FALSE(playback->OpenForLength());
}

TEST(PlaybackTimes, DisplayTimeAndRounding)
{
    EXPECT_EQ(DisplayTime(185400, true), "3.05");
    EXPECT_EQ(DisplayTime(185400, false), "185");
    EXPECT_EQ(DisplayTime(59999, true), "0.59");
    EXPECT_EQ(RoundHalfEven(5, 2), 2);
    EXPECT_EQ(RoundHalfEven(7, 2), 4);
    EXPECT_EQ(RoundHalfEven(30000, 100), 300);
    EXPECT_EQ(RoundHalfEven(151, 100), 2);
}

}  // namespace
