#include "SoundOutput.h"

#include <QMediaDevices>

#include <vector>

#include "ClockOutput.h"
#include "SinkOutput.h"
#include "SoundTexts.h"
#ifdef VANTRO_WITH_PULSE
#include "PulseOutput.h"
#endif

namespace {

// Plays through the first of its outputs that starts; when none does, it is
// silent with the reason of the last one tried.
class FirstThatStarts : public SoundOutput {
public:
    explicit FirstThatStarts(std::vector<std::unique_ptr<SoundOutput>> outputs) : outputs_(std::move(outputs)) {}

    bool start(const std::string& path, const WaveLayout& layout, uint64_t first, uint64_t end,
               Finished finished) override
    {
        stop();
        playing_ = nullptr;
        for (const auto& output : outputs_) {
            if (output->start(path, layout, first, end, finished)) {
                playing_ = output.get();
                return true;
            }
            reason_ = output->silence();
        }
        return false;
    }
    void stop() override
    {
        if (playing_) playing_->stop();
    }
    uint64_t position() const override { return playing_ ? playing_->position() : 0; }
    Silence silence() const override { return playing_ ? playing_->silence() : reason_; }

private:
    std::vector<std::unique_ptr<SoundOutput>> outputs_;
    SoundOutput* playing_ = nullptr;
    Silence reason_ = Silence::None;
};

}  // namespace

// Qt's output while it has a device that takes the file. Qt connects to the
// sound server only at program start (and once more shortly after losing
// it), so when it has no device, or its device no longer plays, the play
// goes to the server directly, which is asked afresh at every play.
std::unique_ptr<SoundOutput> DefaultDeviceOutput(const WaveLayout& layout)
{
    std::vector<std::unique_ptr<SoundOutput>> outputs;
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    Silence refused = device.isNull() ? Silence::NoServer : Silence::FormatRefused;
    if (!device.isNull())
        if (const std::optional<ChannelRouting> routing = SinkOutput::RoutingFor(device, layout))
            outputs.push_back(std::make_unique<SinkOutput>(device, *routing));
#ifdef VANTRO_WITH_PULSE
    if (const std::optional<ChannelRouting> routing = PulseOutput::RoutingFor(layout))
        outputs.push_back(std::make_unique<PulseOutput>(*routing));
    else
        refused = Silence::FormatRefused;
#endif
    if (outputs.empty()) return std::make_unique<ClockOutput>(refused);
    return std::make_unique<FirstThatStarts>(std::move(outputs));
}

std::string SilenceNotice(Silence reason)
{
    const char* why = reason == Silence::NoServer        ? SoundTexts::NoServer
                      : reason == Silence::FormatRefused ? SoundTexts::FormatRefused
                                                         : SoundTexts::ServerLost;
    return std::string(SoundTexts::NoSound) + "\n" + why + "\n" + SoundTexts::PlaysSilently;
}
