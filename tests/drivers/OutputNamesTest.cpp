// Output names: never an existing file, never the source, tested as written.
#include "DriverFixture.h"
#include "OutputNames.h"

namespace {

void Touch(const std::string& path) { WriteFileBytes(path, Bytes{}); }

}  // namespace

TEST_F(DriverTest, OutputNameIsTheSourceNameInLowerCaseExtensionElseTheFirstFreeNumber)
{
    const std::string x = constant("x.wav", 10);
    EXPECT_EQ(ConvertOutputName(outFolder(), x), out("x.wav"));
    Touch(out("x.wav"));
    Touch(out("x_m000.wav"));
    Touch(out("x_m001.wav"));
    EXPECT_EQ(ConvertOutputName(outFolder(), x), out("x_m002.wav"));

    // On a case-sensitive folder an upper-case source never lands on the
    // existing lower-case name.
    const std::string y = constant("Y.WAV", 10);
    EXPECT_EQ(ConvertOutputName(outFolder(), y), out("Y.wav"));
    Touch(out("Y.wav"));
    EXPECT_EQ(ConvertOutputName(outFolder(), y), out("Y_m000.wav"));
    // Nor on the source itself when it lies in the output folder.
    EXPECT_EQ(ConvertOutputName(dir.path().string(), x), dir.file("x_m000.wav"));
}

TEST_F(DriverTest, AllThousandNamesTakenSkipsTheFileWithAMessageAndGoesOn)
{
    const std::string x = constant("x.wav", 100);
    const std::string z = constant("z.wav", 100);
    Touch(out("x.wav"));
    for (int n = 0; n < 1000; ++n) {
        std::string digits = std::to_string(n);
        Touch(out("x_m" + std::string(3 - digits.size(), '0') + digits + ".wav"));
    }
    EXPECT_EQ(ConvertOutputName(outFolder(), x), std::nullopt);

    ConvertResult r = ConvertBatch({x, z}, outFolder(), {}, hooks);
    EXPECT_EQ(r.converted, 1);
    EXPECT_EQ(r.failed, 1);
    EXPECT_FALSE(r.stopped);
    ASSERT_EQ(prompt.shown.size(), 2u);
    EXPECT_EQ(prompt.shown[0].kind, PromptKind::Error);
    EXPECT_NE(prompt.shown[0].text.find(outFolder()), std::string::npos);
    EXPECT_NE(prompt.shown[0].text.find("x_m000.wav～x_m999.wav"), std::string::npos);
    EXPECT_TRUE(std::filesystem::exists(out("z.wav")));
    EXPECT_EQ(ReadFileBytes(out("x.wav")), Bytes{});
}
