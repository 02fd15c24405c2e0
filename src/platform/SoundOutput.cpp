#include "SoundOutput.h"

#include <QMediaDevices>

#include "ClockOutput.h"
#include "SinkOutput.h"
#include "SoundTexts.h"

std::unique_ptr<SoundOutput> DefaultDeviceOutput(const WaveLayout& layout)
{
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull()) return std::make_unique<ClockOutput>(Silence::NoServer);
    const std::optional<ChannelRouting> routing = SinkOutput::RoutingFor(device, layout);
    if (!routing) return std::make_unique<ClockOutput>(Silence::FormatRefused);
    return std::make_unique<SinkOutput>(device, *routing);
}

std::string SilenceNotice(Silence reason)
{
    const char* why = reason == Silence::NoServer        ? SoundTexts::NoServer
                      : reason == Silence::FormatRefused ? SoundTexts::FormatRefused
                                                         : SoundTexts::ServerLost;
    return std::string(SoundTexts::NoSound) + "\n" + why + "\n" + SoundTexts::PlaysSilently;
}
