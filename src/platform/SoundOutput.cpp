#include "SoundOutput.h"

#include "SinkOutput.h"

std::unique_ptr<SoundOutput> DefaultDeviceOutput(const WaveLayout& layout)
{
    if (SinkOutput::CanPlay(layout)) return std::make_unique<SinkOutput>();
    return SilentOutput(layout);
}
