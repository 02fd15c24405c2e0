#include "CliOutput.h"

#include <filesystem>
#include <type_traits>

#include "OutputDraft.h"
#include "TimeExchangeTexts.h"

void PrintLine(std::FILE* out, const std::string& text)
{
    std::fwrite(text.data(), 1, text.size(), out);
    std::fputc('\n', out);
}

namespace {

template <typename Value>
void printField(std::FILE* out, const char* name, const Value& value)
{
    if constexpr (std::is_same_v<Value, std::string>)
        PrintLine(out, std::string(name) + "=" + value);
    else
        PrintLine(out, std::string(name) + "=" + std::to_string(value));
}

}  // namespace

void PrintWavInfo(std::FILE* out, const WavInfoRecord& info)
{
    printField(out, "DataEnd", info.DataEnd);
    printField(out, "DataSize", info.DataSize);
    printField(out, "HalfDataEnd", info.HalfDataEnd);
    printField(out, "HalfDataSize", info.HalfDataSize);
    printField(out, "BytesPerSec", info.BytesPerSec);
    printField(out, "SampleRate", info.SampleRate);
    printField(out, "BitsPerSample", info.BitsPerSample);
    printField(out, "ChannelText", info.ChannelText);
    printField(out, "LengthText", info.LengthText);
    printField(out, "Channels", info.Channels);
    printField(out, "FrameRate", info.FrameRate);
    printField(out, "BlockAlign", info.BlockAlign);
}

bool WriteNewTextFile(const std::string& path, const std::vector<std::string>& lines, std::string& ErrorText)
{
    const std::filesystem::path target(path);
    const std::string folder = target.has_parent_path() ? target.parent_path().string() : std::string(".");
    OutputDraft draft;
    bool written = draft.begin(folder, target.filename().string());
    if (written) {
        // Made exclusively: the temporary name is never another file's.
        std::FILE* file = std::fopen(draft.path().c_str(), "wbx");
        written = file != nullptr;
        for (const std::string& line : lines)
            if (written) written = std::fwrite(line.data(), 1, line.size(), file) == line.size() && std::fputc('\n', file) != EOF;
        if (file) written = std::fclose(file) == 0 && written;
    }
    const OutputDraft::Publish published = written ? draft.publish(path) : OutputDraft::Publish::Failed;
    if (published == OutputDraft::Publish::Done) return true;
    ErrorText = path + "\n" +
                (published == OutputDraft::Publish::Taken ? TimeExchangeTexts::FileExists : TimeExchangeTexts::WriteFailed);
    return false;
}
