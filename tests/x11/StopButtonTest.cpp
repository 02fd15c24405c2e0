// The red stop button of the conversion tab, clicked through a real X server
// while a run is at work: the run ends after the file at work with the stop
// notice, every output written is whole and the files after it are not
// written. The program is composed as the desktop program composes it, loads
// its conversion list from its list file and shows its own message boxes,
// which the person answers with the mouse.
#include <QDir>
#include <QElapsedTimer>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QThread>
#include <QWindow>

#include <atomic>
#include <chrono>
#include <memory>
#include <mutex>
#include <thread>

#include "BoxWatcher.h"
#include "ColorBtn.h"
#include "ConvertTexts.h"
#include "Person.h"
#include "ProgramOnX.h"
#include "RegistrationListFile.h"
#include "TestWav.h"
#include "XServer.h"

namespace {

constexpr int FileCount = 64;

class StopButtonTest : public ProgramOnX {
protected:
    void SetUp() override
    {
        ProgramOnX::SetUp();
        writeSourceAndList();
        startProgram();
    }

    // One stereo 16-bit file of 16 MB (a run over all of them lasts a few
    // seconds), registered FileCount times in the conversion list's file,
    // which the program loads at start.
    void writeSourceAndList()
    {
        WavSpec wav;
        wav.data.resize(16 * 1024 * 1024);
        for (size_t i = 0; i < wav.data.size(); ++i) wav.data[i] = static_cast<uint8_t>(i * 7);
        source = wav.build();
        QDir().mkpath(qpath("sounds"));
        WriteFileBytes(path("sounds/a.wav"), source);
        RegistrationListContent list;
        list.widths = {100, 200, 80, 120, 40};
        for (int i = 0; i < FileCount; ++i) list.rows.append(FileRow{"a.wav", qpath("sounds/a.wav"), {}, {}, {}});
        QDir().mkpath(programPath(""));
        ASSERT_TRUE(SaveRegistrationList(programPath("VANTROMG.VEW"), list));
    }

    QString outFolder() const { return qpath("out/MUON_DIR"); }

    // The whole outputs in the output folder (a.wav, a_m000.wav, ...).
    int outputs() const
    {
        static const QRegularExpression name(QStringLiteral("^a(_m\\d{3})?\\.wav$"));
        int count = 0;
        for (const QString& file : QDir(outFolder()).entryList(QDir::Files))
            if (name.match(file).hasMatch()) ++count;
        return count;
    }

    Bytes source;
};

TEST_F(StopButtonTest, AClickOnTheRedStopButtonEndsTheConversionAfterTheFileAtWork)
{
    auto* start = window->findChild<QPushButton*>("Btn_HENKAN_ALL");
    auto* stop = window->findChild<ColorBtn*>("Btn_HEN_CANSEL");
    ASSERT_TRUE(start && stop);
    // The stop button takes the start buttons' place: the person clicks
    // "全部変換" and then, at the same spot, "変換 中断".
    const QPoint spot = Middle(start);

    int stopClicks = 0;
    int outputsAtStop = -1;
    QObject::connect(stop, &QPushButton::clicked, stop, [&] {
        ++stopClicks;
        outputsAtStop = outputs();
    });
    // Each box's OK button, once the box is on the screen.
    std::mutex okMutex;
    std::vector<QPoint> okButtons;
    BoxWatcher boxes([&](TMKBox& box, const QString&) {
        auto* poll = new QTimer(&box);
        QObject::connect(poll, &QTimer::timeout, &box, [&, poll] {
            if (!box.windowHandle() || !box.windowHandle()->isExposed()) return;
            poll->stop();
            std::lock_guard<std::mutex> lock(okMutex);
            okButtons.push_back(Middle(box.findChild<QPushButton*>("Btn_OK")));
        });
        poll->start(10);
    });
    auto shownBoxes = [&] {
        std::lock_guard<std::mutex> lock(okMutex);
        return okButtons;
    };

    const TabRunFlags& run = session->state().batch.flags(BatchTab::Conversion);
    std::atomic<bool> runOver = false;
    std::string failure;
    std::atomic<bool> personDone = false;
    std::thread person([&] {
        if (!XClick(spot.x(), spot.y())) failure = "xdotool could not click";
        else if (!WaitFor([&] { return outputs() >= 1; })) failure = "the run wrote no file";
        else if (!XDo("click 1")) failure = "xdotool could not click the stop button";
        // The stop notice and the summary, while the run lasts.
        for (size_t box = 0; box < 2 && failure.empty(); ++box) {
            if (!WaitFor([&] { return shownBoxes().size() > box || runOver; }) || runOver) break;
            XClick(shownBoxes()[box].x(), shownBoxes()[box].y());
        }
        personDone = true;
    });
    QElapsedTimer clock;
    clock.start();
    while ((!personDone || run.busy) && clock.elapsed() < 150000) {
        QTest::qWait(20);
        runOver = !run.busy && outputs() > 0;
    }
    person.join();
    ASSERT_EQ(failure, "");
    ASSERT_FALSE(run.busy) << "the run never ended";

    EXPECT_EQ(stopClicks, 1);
    const int written = outputs();
    EXPECT_GE(written, 1);
    EXPECT_LT(written, FileCount) << "the run went on to its end";
    EXPECT_TRUE(written == outputsAtStop || written == outputsAtStop + 1)
        << written << " written, " << outputsAtStop << " when the stop was clicked";
    const QString summary = QString::fromStdString(ConvertTexts::SummaryHead + std::to_string(written) +
                                                   ConvertTexts::SummaryCount + "\n" + ConvertTexts::SummaryThanks);
    EXPECT_EQ(boxes.texts(), QStringList({QString::fromStdString(ConvertTexts::Stopped), summary}));

    // Nothing but whole outputs: no temporary file, each a copy of the source.
    const QStringList all = QDir(outFolder()).entryList(QDir::Files | QDir::Hidden | QDir::System);
    EXPECT_EQ(all.size(), written) << all.join(' ').toStdString();
    for (const QString& file : all)
        EXPECT_TRUE(ReadFileBytes((outFolder() + "/" + file).toStdString()) == source) << file.toStdString();
}

}  // namespace
