#include "WavInfo.h"

#include <cmath>
#include <new>

#include "EngineHost.h"
#include "RoutineFrame.h"
#include "WavHead.h"

WavInfoRecord WavInfo;

std::string WavChannelText(int32_t channels)
{
    if (channels == 1) return "  mono";
    if (channels == 2) return "stereo";
    return "unknwn";
}

std::string WavLengthText(int64_t dataSize, int32_t blockAlign, int32_t sampleRate)
{
    int64_t ms = 0;
    if (blockAlign > 0 && sampleRate > 0) {
        long double exact = static_cast<long double>(dataSize) / blockAlign / (sampleRate / 1000.0L);
        ms = static_cast<int64_t>(std::nearbyintl(exact));  // ties to even
    }
    std::string rest = "00000";
    std::string minutes = "0";
    if (ms != 0) {
        rest += std::to_string(ms % 60000);
        rest = rest.substr(rest.size() - 5);
        minutes = std::to_string(ms / 60000);
    }
    return minutes + "." + rest;
}

namespace {

bool readInfo(const std::string& fileName, const HeadTexts& texts, std::string& ErrorText)
{
    WavFile file;
    if (!file.open(fileName, WavFile::Mode::Read)) {
        ErrorText = texts.openFailed(fileName);
        return false;
    }
    WavHead head;
    if (!ReadWavHead(file, fileName, texts, head, ErrorText)) return false;
    if (!CheckDataAndFormat(head, texts, ErrorText)) return false;
    int32_t bytesPerSec = head.bytesPerSec();
    if (bytesPerSec <= 0) {
        ErrorText = texts.bytesPerSec();
        return false;
    }
    if (BytesPer40ms(bytesPerSec) <= 0) {
        ErrorText = texts.bytesPer40ms();
        return false;
    }
    if (head.bitsPerSample == 0) {
        ErrorText = texts.badSample();
        return false;
    }
    WavInfoRecord info;
    info.DataSize = head.dataSize;
    info.DataEnd = head.dataEnd();
    info.HalfDataSize = head.dataSize / 2 + (head.dataSize & 1);
    info.HalfDataEnd = head.dataStart + info.HalfDataSize;
    info.BytesPerSec = bytesPerSec;
    info.SampleRate = static_cast<int32_t>(head.sampleRate);
    info.BitsPerSample = head.bitsPerSample;
    info.Channels = head.channels;
    info.ChannelText = WavChannelText(info.Channels);
    info.FrameRate = info.SampleRate;
    info.BlockAlign = head.blockAlign;
    info.LengthText = WavLengthText(info.DataSize, info.BlockAlign, info.SampleRate);
    WavInfo = info;
    return true;
}

}  // namespace

void GetWavInfo(const std::string& fileName, std::string& ErrorText)
{
    RunRoutine(ErrorText, "WAVファイルデータ取得に失敗しました・・・GW", [&](std::string& err) {
        ProcessPendingMessages();
        return readInfo(fileName, HeadTexts("GW"), err);
    });
    ProcessPendingMessages();
}
