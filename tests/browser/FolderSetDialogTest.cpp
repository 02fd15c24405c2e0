// The folder-setting dialog shown for real (offscreen), its questions
// answered by the scripted responder and its folder browser replaced.
#include <QLineEdit>

#include <filesystem>
#include <fstream>

#include "../controls/DialogTestSupport.h"
#include "DIR2SET.h"
#include "Dir2dlg.h"
#include "Dir2Open.h"
#include "Folders.h"
#include "MKResponder.h"
#include "TempHome.h"

namespace fs = std::filesystem;

namespace {

QString S(const char* utf8) { return QString::fromUtf8(utf8); }
QString Q(const std::string& path) { return QString::fromStdString(path); }

void Type(TDIR2SETForm& form, const QString& text)
{
    if (auto* edit = Find<QLineEdit>(form, "Edit1")) edit->setText(text);
}

QString EditText(TDIR2SETForm& form)
{
    auto* edit = Find<QLineEdit>(form, "Edit1");
    return edit ? edit->text() : QString();
}

QStringList Texts(const MKResponder& responder)
{
    QStringList texts;
    for (const MKCall& call : responder.calls()) texts << call.kind + ": " + call.text;
    return texts;
}

const QString MustRegister = S("MKInfo: データを登録しないと終了出来ません\n初期値を登録して下さい☆☆☆");

class FolderSetDialogTest : public DialogTest {
protected:
    void SetUp() override
    {
        DialogTest::SetUp();
        InitFolders();
        dlg.Name = "SAVE_DIR";
        dlg.Title = S("分割WAVファイル登録先");
        dlg.Folder = "@@@@@\\";
    }
    QString folder(const char* name) const { return Q(home.folder() + name); }

    TempHome home;
    TDIR2SETDLG dlg;
};

}  // namespace

TEST_F(FolderSetDialogTest, UnsetFolderCanOnlyBeLeftByRegisteringOne)
{
    MKResponder responder{MKAnswer::OK, MKAnswer::OK, MKAnswer::Yes};
    const QString proposed = folder("TALVOT32/SAVE_DIR");
    whenOpen<TDIR2SETForm>([&](TDIR2SETForm& form) {
        EXPECT_EQ(form.windowTitle(), S("フォルダーの設定変更分割WAVファイル登録先"));
        EXPECT_EQ(EditText(form), proposed);

        Click(form, "Button3");
        EXPECT_TRUE(form.isVisible()) << "中止 must not close with nothing registered";
        Type(form, "");
        Click(form, "Button1");
        EXPECT_EQ(EditText(form), proposed) << "初期値 proposes the default again";
        Click(form, "Button4");
    });
    EXPECT_EQ(dlg.Execute(), proposed + "/");
    EXPECT_TRUE(fs::is_directory(proposed.toStdString()));
    EXPECT_EQ(Texts(responder),
              QStringList({S("MKInfo: 変更を中止します"), MustRegister,
                           S("MKAsk: ") + proposed + S("\nフォルダーを作成します"),
                           S("MKInfo: [ ") + proposed + S("/ ]\nフォルダーを登録しました")}));
    EXPECT_EQ(responder.calls()[2].defaultAnswer, MKAnswer::No);
}

TEST_F(FolderSetDialogTest, NestedFoldersAreCreatedAfterOneQuestion)
{
    MKResponder responder{MKAnswer::Yes};
    const QString nested = folder("out/a/b/c");
    whenOpen<TDIR2SETForm>([&](TDIR2SETForm& form) {
        Type(form, nested);
        Click(form, "Button4");
    });
    EXPECT_EQ(dlg.Execute(), nested + "/");
    EXPECT_TRUE(fs::is_directory(nested.toStdString()));
    int questions = 0;
    for (const MKCall& call : responder.calls()) questions += call.kind == "MKAsk";
    EXPECT_EQ(questions, 1);
    EXPECT_EQ(responder.calls()[0].text, folder("out") + S("\nフォルダーを作成します"));
}

TEST_F(FolderSetDialogTest, AnsweringNoRegistersNothingAndTheFormRefusesToClose)
{
    MKResponder responder{MKAnswer::No};
    const QString missing = folder("never");
    whenOpen<TDIR2SETForm>([&](TDIR2SETForm& form) {
        Type(form, missing);
        Click(form, "Button4");
        EXPECT_TRUE(form.heldFolder().isEmpty());
        form.close();  // the window's close button
        EXPECT_TRUE(form.isVisible());
        EXPECT_EQ(Texts(responder).last(), MustRegister);

        Type(form, Q(home.folder()));  // an existing folder is a way out
        Click(form, "Button4");
    });
    EXPECT_EQ(dlg.Execute(), Q(home.folder()));
    EXPECT_FALSE(fs::exists(missing.toStdString()));
}

TEST_F(FolderSetDialogTest, FailuresAndBadInputKeepTheFormOpenWithTheirMessage)
{
    MKResponder responder{MKAnswer::OK, MKAnswer::Yes};
    std::ofstream(home.path() / "file") << "in the way";
    dlg.Folder = Q(home.folder());
    whenOpen<TDIR2SETForm>([&](TDIR2SETForm& form) {
        Type(form, "");
        Click(form, "Button4");
        Type(form, folder("file/sub"));
        Click(form, "Button4");
        Type(form, "/");
        Click(form, "Button4");
        EXPECT_TRUE(form.isVisible());
        Click(form, "Button3");
    });
    EXPECT_EQ(dlg.Execute(), Q(home.folder())) << "中止 returns the caller's folder";
    EXPECT_EQ(Texts(responder),
              QStringList({S("MKInfo: フォルダーを設定して下さい。"),
                           S("MKAsk: ") + folder("file") + S("\nフォルダーを作成します"),
                           S("MKError: フォルダーの作成に失敗しました・・・"),
                           S("MKError: [ / ]\nデータが不正です"), S("MKInfo: 変更を中止します")}));
}

TEST_F(FolderSetDialogTest, RelativePathIsExpandedAgainstTheCurrentDirectory)
{
    MKResponder responder{MKAnswer::Yes};
    const fs::path before = fs::current_path();
    fs::current_path(home.path());
    whenOpen<TDIR2SETForm>([](TDIR2SETForm& form) {
        Type(form, "rel/sub");
        Click(form, "Button4");
    });
    const QString result = dlg.Execute();
    fs::current_path(before);
    EXPECT_EQ(result, folder("rel/sub/"));
    EXPECT_TRUE(fs::is_directory(home.path() / "rel" / "sub"));
}

TEST_F(FolderSetDialogTest, BrowseFillsTheEditBoxWithThePickedFolder)
{
    QStringList asked;  // caption and start folder of each pick
    QString pick = "/picked";
    const TDIR2OPENDLG::Picker previous =
        TDIR2OPENDLG::replacePicker([&](QWidget*, const QString& caption, const QString& start) {
            asked << caption << start;
            return pick;
        });
    MKResponder responder;
    dlg.Folder = "/given/";
    whenOpen<TDIR2SETForm>([&](TDIR2SETForm& form) {
        Click(form, "Button2");
        EXPECT_EQ(EditText(form), "/picked");
        pick.clear();  // the user cancels the browser
        Click(form, "Button2");
        EXPECT_EQ(EditText(form), "/picked");
        Click(form, "Button3");
    });
    EXPECT_EQ(dlg.Execute(), "/given/");
    TDIR2OPENDLG::replacePicker(previous);
    EXPECT_EQ(asked, QStringList({S("フォルダーの参照"), "/given/", S("フォルダーの参照"), "/picked"}));
}
