// The message box's window-free parts: layout, placement, line ends, the
// scripted responder and the engine's hooks.
#include "EngineBinding.h"
#include "EngineHost.h"
#include "MKLayout.h"
#include "MKPlacement.h"
#include "MKResponder.h"
#include "MKTextLines.h"
#include "MessageBoxTestSupport.h"

namespace {

MKLayoutInput Input(int answerButtons, bool countDown)
{
    MKLayoutInput input;
    input.textArea = QSize(300, 100);
    input.button = QSize(80, 26);
    input.countLabel = QSize(40, 18);
    input.answerButtons = answerButtons;
    input.countDown = countDown;
    input.maxClient = QSize(1000, 700);
    return input;
}

QList<QRect> RowOf(const MKLayout& layout)
{
    QList<QRect> row;
    if (!layout.pauseButton.isEmpty()) row << layout.countLabel << layout.pauseButton;
    return row + layout.answers;
}

}  // namespace

TEST(MessageBoxLayout, ButtonRowSitsBelowTheTextApartAndInside)
{
    for (bool countDown : {false, true}) {
        for (int answers : {1, 2, 3}) {
            const MKLayout layout = LayOutBox(Input(answers, countDown));
            const QRect client(QPoint(0, 0), layout.client);
            ASSERT_EQ(layout.answers.size(), answers);
            EXPECT_GE(layout.textArea.width(), 300);
            EXPECT_EQ(layout.textArea.height(), 100);
            const QList<QRect> row = RowOf(layout);
            for (qsizetype i = 0; i < row.size(); ++i) {
                EXPECT_TRUE(client.contains(row[i]));
                EXPECT_GT(row[i].top(), layout.textArea.bottom());
                EXPECT_TRUE(client.contains(SelectMarkAt(row[i])));
                if (i > 0) {
                    const int least = countDown && i == 1 ? 1 : 10;  // Label_TM sits close to its button
                    EXPECT_GE(row[i].left() - row[i - 1].right(), least);
                }
            }
            EXPECT_FALSE(layout.icon.intersects(layout.textArea));
        }
    }
}

TEST(MessageBoxLayout, WidensForTheRowAndCapsTheTextAtTheWorkArea)
{
    MKLayoutInput narrow = Input(3, true);
    narrow.textArea = QSize(10, 10);
    const MKLayout widened = LayOutBox(narrow);
    EXPECT_GE(widened.answers.last().right() + 12, widened.client.width() - 12);
    EXPECT_GE(widened.textArea.height(), 32) << "never lower than the icon";

    MKLayoutInput huge = Input(1, false);
    huge.textArea = QSize(5000, 9000);
    const MKLayout capped = LayOutBox(huge);
    EXPECT_LE(capped.client.width(), huge.maxClient.width());
    EXPECT_LE(capped.client.height(), huge.maxClient.height());
}

TEST(MessageBoxPlacement, CentresThenHoldsInsideTheWorkArea)
{
    const WorkAreaRect area{0, 30, 1024, 700};
    EXPECT_EQ(CentredOver(QRect(100, 100, 400, 300), QSize(200, 100)), QPoint(200, 200));
    EXPECT_EQ(HeldInside(QPoint(200, 200), QSize(200, 100), area), QPoint(200, 200));
    EXPECT_EQ(HeldInside(QPoint(900, 680), QSize(200, 100), area), QPoint(824, 630));
    EXPECT_EQ(HeldInside(QPoint(-50, 0), QSize(200, 100), area), QPoint(0, 30));
    // Larger than the area: the top-left corner stays on the desktop.
    EXPECT_EQ(HeldInside(QPoint(500, 500), QSize(2000, 900), area), QPoint(0, 30));
}

TEST(MessageBoxText, LinesAndCrLf)
{
    EXPECT_EQ(MKTextLines("a\nb\r\nc"), QStringList({"a", "b", "c"}));
    EXPECT_EQ(MKTextLines(""), QStringList({""}));
    EXPECT_EQ(WithCrLf("a\nb\n"), "a\r\nb\r\n");
    EXPECT_EQ(WithCrLf("a\r\nb"), "a\r\nb") << "an existing CR LF is not doubled";
    EXPECT_EQ(WithCrLf("a\rb\r"), "a\rb\r") << "a lone CR is text";
}

TEST_F(MessageBoxTest, ResponderRecordsEveryCallAndAnswersFromItsScript)
{
    {
        MKResponder responder{MKAnswer::Yes, MKAnswer::TimeOut};
        EXPECT_EQ(MKResponder::installed(), &responder);
        EXPECT_EQ(MKAsk(box, "q", MKAnswer::No), MKAnswer::Yes);
        EXPECT_EQ(MKErrorAsk(box, "e", MKAnswer::Yes), MKAnswer::Yes) << "11 acts as a time-out";
        EXPECT_EQ(MKInfoSec(box, 5, "s", MKAnswer::OK), MKAnswer::OK) << "empty script: default";
        EXPECT_EQ(MKInfo(box, "i"), MKAnswer::OK);
        responder.script(MKAnswer::Abort);
        EXPECT_EQ(MKErrorSec(box, 4, "x", MKAnswer::OK), MKAnswer::Abort);

        const std::vector<MKCall>& calls = responder.calls();
        ASSERT_EQ(calls.size(), 5u);
        EXPECT_EQ(calls[0].kind, "MKAsk");
        EXPECT_EQ(calls[0].text, "q");
        EXPECT_EQ(calls[0].defaultAnswer, MKAnswer::No);
        EXPECT_FALSE(calls[0].seconds.has_value());
        EXPECT_EQ(calls[1].kind, "MKErrorAsk");
        EXPECT_EQ(calls[2].kind, "MKInfoSec");
        EXPECT_EQ(calls[2].seconds, 5);
        EXPECT_EQ(calls[3].kind, "MKInfo");
        EXPECT_EQ(calls[4].seconds, 4);

        {
            MKResponder inner;
            MKError(box, "inner", 1);
            EXPECT_EQ(inner.calls().size(), 1u);
        }
        EXPECT_EQ(MKResponder::installed(), &responder);
        EXPECT_EQ(responder.calls().size(), 5u);

        for (int slot = 0; slot < MKSlotCount; ++slot) box.busy(slot) = true;
        EXPECT_EQ(MKAsk(box, "full", MKAnswer::Yes), MKAnswer::NotShown);
        EXPECT_EQ(responder.calls().size(), 5u) << "a box not shown is not recorded";
    }
    EXPECT_EQ(MKResponder::installed(), nullptr);
}

TEST_F(MessageBoxTest, EngineNoticesAndErrorsGoThroughTheBox)
{
    MKResponder responder{MKAnswer::Abort};
    {
        TMKBoxDlg bound;
        BindEngineHost(bound);
        EXPECT_EQ(engineHost().error("読めません・・・GW", MKAnswer::OK), MKAnswer::Abort);
        EXPECT_EQ(engineHost().infoTM("お知らせ", MKAnswer::OK), MKAnswer::OK);
        ASSERT_EQ(responder.calls().size(), 2u);
        EXPECT_EQ(responder.calls()[0].kind, "MKError");
        EXPECT_EQ(responder.calls()[0].text, QString::fromUtf8("読めません・・・GW"));
        EXPECT_EQ(responder.calls()[1].kind, "MKInfoTM");
    }
    EXPECT_EQ(engineHost().error("gone", 7), 7) << "a destroyed box answers the default";
    EXPECT_EQ(responder.calls().size(), 2u);
    engineHost() = EngineHost{};
}
