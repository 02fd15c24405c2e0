#include "HelpPage.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStringList>
#include <QUrl>

#include <algorithm>
#include <vector>

#include "Folders.h"
#include "ProgramInfo.h"
#include "WindowTexts.h"

namespace {

using namespace WindowTexts;

// One entry of the page: a caption (a menu item's or a tab's, so the page
// names them as the window does) and what it does.
struct HelpEntry {
    const char* anchor;
    const char* caption;
    const char* text;
};

struct HelpSection {
    const char* anchor;
    const char* title;
    const char* intro;
    std::vector<HelpEntry> entries;
};

const std::vector<HelpSection>& Sections()
{
    static const std::vector<HelpSection> sections = {
        {"faces", "二つの画面",
         "VANTRO のウィンドウには、ファイルを選んで登録する「ファイル画面」と、登録したWAVファイルを聴きながら分割する「カット画面」があります。"
         "ファイル画面でフォルダーを選び、ファイル一覧からWAVファイルを登録してから、カット画面に切り替えて分割タイムを決めます。"
         "画面の下の欄には、カットするファイル名（CUT_FILE）、分割したファイルの保存先（SAVE_DIR）、保存するファイル名（SAVE_FILE）が表示されます。",
         {}},
        {"menu-file", "ファイル メニュー", "カットの記録と、ファイル一覧・分割ファイルの名前の付け方を設定します。",
         {
             {"MF_KIROKU", MF_KIROKU, "今回の起動中に分割したファイルの一覧（カット記録）を作業フォルダーに書き出して表示します。"},
             {"MF_KIROKUCLR", MF_KIROKUCLR, "カット記録を削除します。削除する前に確認します。"},
             {"MF_CUT_TXT", MF_CUT_TXT, "前回書き出したカット記録のファイルを、もう一度表示します。"},
             {"MF_No_Memo", MF_No_Memo, "チェックすると、カットが終わったときにカット記録を表示しません。記録そのものは残ります。"},
             {"MF_ALL", MF_ALL, "チェックすると、ファイル一覧にすべてのファイルを表示します。外すとWAVファイル（*.wav）だけを表示します。"},
             {"MF_FileOnly", MF_FileOnly, "登録リストに、フォルダーを省いてファイル名だけを表示します。"},
             {"MF_AUTO_NAME", MF_AUTO_NAME, "分割したファイルに、番号と分割タイムだけの短い名前を付けます。外すと日付と時刻の入った名前になります。"},
             {"MF_SAVE_NAME", MF_SAVE_NAME, "分割したファイルの名前を、一つずつ自分で付けます。"},
             {"MF_X", MF_X, "VANTRO を終了します。登録リスト、フォルダーの履歴、記録と設定は終了するときに保存されます。"},
         }},
        {"menu-option", "オプション メニュー", "表示の仕方と、アイコンの登録を設定します。音量調整もここから開きます。",
         {
             {"MO_FUN", MO_FUN, "タイムの一覧を、ミリ秒ではなく「分.秒」で表示します。"},
             {"MO_M_SORT", MO_M_SORT, "カットするファイルの登録リストを、登録するときに名前順に並べます。"},
             {"MO_ST_TM", MO_ST_TM, "スタートタイム（色を付けた分割の開始位置）を使えるようにします。"},
             {"BackColor", BackColor, "一覧や入力欄の背景を、システムの標準の色にします。"},
             {"TALVO_COLOR", TALVO_COLOR, "ウィンドウを緑の地に白い文字で表示します。「バックカラーを標準色とする」とは同時に選べません。"},
             {"MICON_SET", MICON_SET, "ログインしたときに VANTRO が自動で起動するように登録します。登録済みのときは「削除する」に変わります。"},
             {"MDESK_SET", MDESK_SET, "デスクトップに VANTRO のアイコンを置きます。置いてあるときは「削除する」に変わります。"},
             {"PAKI", PAKI, "すべてのドライブの空きサイズと、今の録音形式で何分ぶん入るかを一覧にして表示します。"},
             {"MO_VOL_PLAY", MO_VOL_PLAY, "デスクトップの音量調整（ミキサー）を、再生の音量を表示して開きます。"},
             {"MO_VOL_REC", MO_VOL_REC, "デスクトップの音量調整を、録音の音量を表示して開きます。"},
             {"MO_VOL_ETC", MO_VOL_ETC, "デスクトップの音量調整を、出力装置などその他の音量を表示して開きます。"
                                        "音量調整のプログラムが無いときは、pavucontrol をインストールして下さい。"},
             {"MO_VOL_SMALL", MO_VOL_SMALL, "チェックすると、音量調整を小さいウィンドウで開きます。外すと大きなウィンドウで開きます。"},
         }},
        {"menu-help", "ヘルプ メニュー", "このヘルプと、ミニヘルプ、初期設定のやり直し、アンインストールです。",
         {
             {"HELP_MOKUJI", HELP_MOKUJI, "このヘルプの目次を開きます。"},
             {"HELP_KEYWORD", HELP_KEYWORD, "このヘルプのキーワード索引を開きます。"},
             {"HELP3", HELP3, "ボタンや入力欄にマウスを置いたときの短い説明（ミニヘルプ）を、表示する・しないを切り替えます。"},
             {"MHELP_VERCUT", MHELP_VERCUT, "設定に記録されたバージョン番号を削除します。次に起動したとき、初期設定の画面がもう一度開きます。"},
             {"MHELP_UNINSTALL", MHELP_UNINSTALL, "確かめてから、VANTRO の設定と、アプリケーションの一覧・スタートアップ・デスクトップのアイコンを削除して終了します。"
                                                "登録リストや記録のフォルダーと、作ったファイルは残ります。パッケージで入れたプログラム本体は、パッケージの削除で消えます。"},
         }},
        {"tabs", "一括処理のタブ", "ファイル画面の下のタブで、登録した複数のファイルをまとめて処理します。元のファイルは変更せず、結果はいつも新しいファイルになります。",
         {
             {"TabSheet1", TabSheet1, "ファイルごとに、前後への無音の追加、フェードイン・フェードアウトをして新しいファイルにします。"},
             {"TabSheet2", TabSheet2, "登録したファイルを順につないで、一つのファイルにします。"},
             {"TabSheet3", TabSheet3, "ステレオのファイルを、左と右の二つのファイルに分けます。"},
             {"TabSheet4", TabSheet4, "左と右を入れ替えたファイルを作ります。ヘッダーの形式をそろえることもできます。"},
             {"TabSheet5", TabSheet5, "テキストのリストに書かれたファイルを、グループごとに結合します。"},
             {"TabSheet6", TabSheet6, "登録したファイルの名前を、まとめて付け替えます。"},
         }},
        {"files", "ファイルとフォルダー",
         "記録（変換・結合・カットなどの一覧）とドライブの一覧は、作業フォルダー（ホームフォルダーの TALVOT32/TEMP）に書き出され、テキストの表示ソフトで開きます。"
         "フォルダーの履歴や登録リストは、プログラムのフォルダーにあるリストファイルに保存されます。設定は終了するときに保存されます。",
         {}},
    };
    return sections;
}

// A caption as the page shows it: without its keyboard accelerator.
QString PlainCaption(const char* caption)
{
    QString text = QString::fromUtf8(caption);
    static const QRegularExpression accelerator(QStringLiteral("\\s*\\(&.\\)$"));
    text.remove(accelerator);
    text.remove(QLatin1Char('&'));
    return text.toHtmlEscaped();
}

QString Html(const char* text) { return QString::fromUtf8(text).toHtmlEscaped(); }

QString ContentsList()
{
    QString html = QStringLiteral("<h2 id=\"contents\">目次</h2>\n<ul>\n");
    for (const HelpSection& section : Sections())
        html += QStringLiteral("<li><a href=\"#%1\">%2</a></li>\n").arg(section.anchor, Html(section.title));
    html += QStringLiteral("<li><a href=\"#index\">キーワード索引</a></li>\n</ul>\n");
    return html;
}

QString SectionsHtml()
{
    QString html;
    for (const HelpSection& section : Sections()) {
        html += QStringLiteral("<h2 id=\"%1\">%2</h2>\n<p>%3</p>\n").arg(section.anchor, Html(section.title), Html(section.intro));
        if (section.entries.empty()) continue;
        html += QStringLiteral("<dl>\n");
        for (const HelpEntry& entry : section.entries)
            html += QStringLiteral("<dt id=\"%1\">%2</dt><dd>%3</dd>\n").arg(entry.anchor, PlainCaption(entry.caption), Html(entry.text));
        html += QStringLiteral("</dl>\n");
    }
    return html;
}

// Every section and entry, in the order of their captions.
QString IndexHtml()
{
    QList<QPair<QString, QString>> keywords;
    for (const HelpSection& section : Sections()) {
        keywords.append({Html(section.title), QString::fromLatin1(section.anchor)});
        for (const HelpEntry& entry : section.entries) keywords.append({PlainCaption(entry.caption), QString::fromLatin1(entry.anchor)});
    }
    std::sort(keywords.begin(), keywords.end(),
              [](const auto& a, const auto& b) { return QString::compare(a.first, b.first) < 0; });
    QString html = QStringLiteral("<h2 id=\"index\">キーワード索引</h2>\n<ul>\n");
    for (const auto& [caption, anchor] : keywords)
        html += QStringLiteral("<li><a href=\"#%1\">%2</a></li>\n").arg(anchor, caption);
    html += QStringLiteral("</ul>\n<p><a href=\"#contents\">目次へ戻る</a></p>\n");
    return html;
}

}  // namespace

QString HelpPagePath() { return QString::fromStdString(ProgramFolder()) + ProgramInfo::Word + QStringLiteral("help.html"); }

QByteArray HelpPageText()
{
    const QString title = ProgramInfo::Title.toHtmlEscaped() + QStringLiteral(" ヘルプ");
    QString html = QStringLiteral("<!DOCTYPE html>\n<html lang=\"ja\">\n<head>\n<meta charset=\"utf-8\">\n<title>%1</title>\n"
                                  "<style>body{font-family:sans-serif;max-width:48em;margin:1em auto;line-height:1.6}"
                                  "dt{font-weight:bold;margin-top:.6em}h2{border-bottom:1px solid #080;color:#060}</style>\n"
                                  "</head>\n<body>\n<h1>%1</h1>\n"
                                  "<p>VANTRO は、WAVファイルを聴きながら好きな位置で分割し、たくさんのファイルをまとめて処理するためのソフトです。</p>\n")
                       .arg(title);
    html += ContentsList() + SectionsHtml() + IndexHtml() + QStringLiteral("</body>\n</html>\n");
    return html.toUtf8();
}

bool WriteHelpPage()
{
    const QByteArray text = HelpPageText();
    QFile existing(HelpPagePath());
    if (existing.open(QIODevice::ReadOnly) && existing.readAll() == text) return true;
    existing.close();
    QDir().mkpath(QFileInfo(HelpPagePath()).absolutePath());
    QSaveFile file(HelpPagePath());
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size()) return false;
    return file.commit();
}

QString HelpUrl(HelpTopic topic)
{
    QUrl url = QUrl::fromLocalFile(HelpPagePath());
    url.setFragment(topic == HelpTopic::Index ? QStringLiteral("index") : QStringLiteral("contents"));
    return url.toString();
}
