// The coloured button shows its colours whatever the style.
#include <QImage>
#include <QStyle>
#include <QStyleFactory>

#include <cstdlib>
#include <memory>

#include "ColorBtn.h"
#include "DialogTestSupport.h"

namespace {

// Pixels near the colour: text is drawn smoothed, so its edges blend into the face.
int PixelsOf(const QImage& image, const QColor& colour)
{
    const auto near = [](int a, int b) { return std::abs(a - b) < 48; };
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            count += near(pixel.red(), colour.red()) && near(pixel.green(), colour.green())
                     && near(pixel.blue(), colour.blue());
        }
    return count;
}

}  // namespace

TEST(ColorBtn, PaintsItsColoursUnderEveryStyle)
{
    TestApplication();
    const QColor red(255, 0, 0), yellow(255, 255, 0);
    for (const QString& key : QStyleFactory::keys()) {
        SCOPED_TRACE(key.toStdString());
        std::unique_ptr<QStyle> style(QStyleFactory::create(key));
        ColorBtn button(QString::fromUtf8("停止 WWW"));
        button.setStyle(style.get());
        button.resize(120, 40);
        button.setProperty("Color", red);
        button.setProperty("FontColor", yellow);

        const QImage face = button.grab().toImage().convertToFormat(QImage::Format_RGB32);
        EXPECT_EQ(face.pixelColor(10, 20), red);
        EXPECT_GT(PixelsOf(face, red), 120 * 40 / 2);
        EXPECT_GT(PixelsOf(face, yellow), 20) << "the text is not drawn in its colour";

        button.setEnabled(false);
        const QImage disabled = button.grab().toImage().convertToFormat(QImage::Format_RGB32);
        EXPECT_EQ(PixelsOf(disabled, yellow), 0) << "a disabled button shows its text as enabled";
    }
}

TEST(ColorBtn, UnsetColoursFollowTheStyle)
{
    TestApplication();
    ColorBtn button;
    EXPECT_FALSE(button.paintsItself());
    EXPECT_EQ(button.color(), button.palette().color(QPalette::Active, QPalette::Button));
    EXPECT_EQ(button.fontColor(), button.palette().color(QPalette::Active, QPalette::ButtonText));

    button.setFontColor(Qt::blue);
    EXPECT_TRUE(button.paintsItself());
    EXPECT_EQ(button.property("FontColor").value<QColor>(), QColor(Qt::blue));
    button.resetFontColor();
    EXPECT_FALSE(button.paintsItself());
}
