// The per-file log line, field by field.
#include "BatchLogLine.h"
#include "DriverFixture.h"

TEST(BatchLogLine, FieldsAreAlignedAndTheSizeGrouped)
{
    WavInfoRecord info;
    info.SampleRate = 44100;
    info.BitsPerSample = 16;
    info.ChannelText = "stereo";
    info.LengthText = "2.05500";
    info.DataEnd = 1234567;
    EXPECT_EQ(BatchLogLine(info, "/m/a.wav"), "44100/16/stereo  2.05500   1,234,567 /m/a.wav");

    info.SampleRate = 8000;
    info.BitsPerSample = 8;
    info.ChannelText = "  mono";
    info.LengthText = "0.00100";
    info.DataEnd = 52;
    EXPECT_EQ(BatchLogLine(info, "/m/b c.wav"), " 8000/ 8/  mono  0.00100          52 /m/b c.wav");
}
