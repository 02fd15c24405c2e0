// The time-setting box shown for real (offscreen), its questions answered by
// the scripted responder.
#include <QLabel>
#include <QMainWindow>
#include <QToolButton>

#include "DialogTestSupport.h"
#include "MKResponder.h"
#include "SpinButton.h"
#include "TmSET.h"
#include "TmSETdlg.h"
#include "WorkArea.h"

namespace {

QString ValueLabel(TTMSETBox& box)
{
    auto* label = Find<QLabel>(box, "Label2");
    return label ? label->text() : QString();
}

void Spin(TTMSETBox& box, const char* spin, bool up)
{
    auto* pair = Find<SpinButton>(box, spin);
    if (pair) (up ? pair->upButton() : pair->downButton())->click();
}

QString S(const char* utf8) { return QString::fromUtf8(utf8); }

class TimeSetBoxTest : public DialogTest {
protected:
    void SetUp() override
    {
        DialogTest::SetUp();
        dlg.Message = S("無音の長さ");
    }
    TTmSETBoxDlg dlg;
};

}  // namespace

TEST_F(TimeSetBoxTest, SpinButtonsStepAndClampTheShownValue)
{
    dlg.Value = 30;
    whenOpen<TTMSETBox>([](TTMSETBox& box) {
        EXPECT_EQ(ValueLabel(box), S("30秒"));
        Spin(box, "SpinButton3", false);
        EXPECT_EQ(ValueLabel(box), S("0秒"));
        Spin(box, "SpinButton2", true);
        Spin(box, "SpinButton1", true);
        EXPECT_EQ(ValueLabel(box), S("11秒"));
        Click(box, "Button4");
    });
    EXPECT_EQ(dlg.Execute(S("無音")), 3);
    EXPECT_EQ(dlg.Value, 30) << "cancel keeps the value";

    dlg.Value = 32690;
    whenOpen<TTMSETBox>([](TTMSETBox& box) {
        Spin(box, "SpinButton3", true);
        EXPECT_EQ(ValueLabel(box), S("32700秒"));
        box.reject();  // Escape and the close button act as 中 止
    });
    EXPECT_EQ(dlg.Execute(S("無音")), 3);
    EXPECT_EQ(dlg.Value, 32690);
}

TEST_F(TimeSetBoxTest, ConfirmRaisesToTheMinimumAndAsksBeforeClosing)
{
    MKResponder responder{MKAnswer::No, MKAnswer::Yes};
    dlg.Value = 3;
    dlg.Minimum = 10;
    whenOpen<TTMSETBox>([&responder](TTMSETBox& box) {
        Click(box, "Button1");
        EXPECT_EQ(ValueLabel(box), S("10秒")) << "raised before the question";
        ASSERT_EQ(responder.calls().size(), 1u);
        EXPECT_TRUE(box.isVisible()) << "No keeps the box open";
        Click(box, "Button1");
    });
    EXPECT_EQ(dlg.Execute(S("無音")), 1);
    EXPECT_EQ(dlg.Value, 10);
    ASSERT_EQ(responder.calls().size(), 2u);
    const MKCall& question = responder.calls()[0];
    EXPECT_EQ(question.kind, "MKAsk");
    EXPECT_EQ(question.text, S("無音を、\n10秒に、設定します"));
    EXPECT_EQ(question.defaultAnswer, MKAnswer::No);
}

TEST_F(TimeSetBoxTest, NoLeavesTheValueAndZeroIsNotRaised)
{
    MKResponder responder{MKAnswer::No};
    dlg.Value = 0;
    dlg.Minimum = 10;
    whenOpen<TTMSETBox>([](TTMSETBox& box) {
        Click(box, "Button1");
        EXPECT_EQ(ValueLabel(box), S("0秒"));
        Spin(box, "SpinButton1", true);
        Click(box, "Button4");
    });
    EXPECT_EQ(dlg.Execute(S("無音")), 3);
    EXPECT_EQ(dlg.Value, 0);
    ASSERT_EQ(responder.calls().size(), 1u);
    EXPECT_EQ(responder.calls()[0].text, S("無音を、\n0秒に、設定します"));
}

TEST_F(TimeSetBoxTest, FormShowsItsTextsAndCountsInPiecesWithoutAMessage)
{
    MKResponder responder{MKAnswer::Yes};
    dlg.Message.clear();
    dlg.Message2 = S("追加");
    dlg.Caption = S("タイム設定");
    dlg.Value = 5;
    whenOpen<TTMSETBox>([](TTMSETBox& box) {
        EXPECT_EQ(box.windowTitle(), S("タイム設定"));
        EXPECT_EQ(ValueLabel(box), S("5個"));
        EXPECT_EQ(Find<QLabel>(box, "LMsg1")->text(), S("ファイルタイマーの設定："));
        EXPECT_EQ(Find<QLabel>(box, "LMsg2")->text(), S("追加"));
        Click(box, "Button1");
    });
    EXPECT_EQ(dlg.Execute(S("回数")), 1);
    EXPECT_EQ(responder.calls()[0].text, S("回数を、\n5個に、設定します"));
}

TEST_F(TimeSetBoxTest, LongMessageWidensTheFormWhichStaysInsideTheWorkArea)
{
    GetWorkArea();
    const QRect area(WorkArea.left, WorkArea.top, WorkArea.width, WorkArea.height);
    QMainWindow owner;
    owner.setGeometry(area.right() - 100, area.bottom() - 100, 300, 200);
    owner.show();
    dlg.OwnerWindow = &owner;
    dlg.Message = QString(60, QChar(0x3042));  // sixty hiragana: wider than the design width
    whenOpen<TTMSETBox>([area](TTMSETBox& box) {
        auto* message = Find<QLabel>(box, "LMsg0");
        EXPECT_GE(box.width(), message->geometry().right() + 10);
        EXPECT_TRUE(area.contains(box.frameGeometry())) << "the box is pushed inside the work area";
        Click(box, "Button4");
    });
    EXPECT_EQ(dlg.Execute(S("無音")), 3);
}
