#include "HeadTexts.h"

std::string HeadTexts::openFailed(const std::string& path) const
{
    std::string text = "WAVファイルの読み出しに失敗しましたOP・・・" + code_;
    if (is("EA")) text += "\n" + path;
    return text;
}

std::string HeadTexts::tooShort(const std::string& path) const
{
    if (is("MF") || is("EA") || is("F") || is("K") || is("KD")) return readFailed();
    return "WAVファイルのサイズが小さすぎます・・・" + code_ + "\n" + path;
}

std::string HeadTexts::notRiff() const { return "ファイル形式が「RIFF」ではありません・・・" + code_; }

std::string HeadTexts::notWave() const { return "WAVEファイルではありません・・・" + code_; }

std::string HeadTexts::fmtNotFound() const { return "WAVフォーマットが見つかりませんでした・・・" + code_; }

std::string HeadTexts::fmtShort() const { return "フォーマットデータが不足しています・・・" + code_; }

std::string HeadTexts::seekFailed(const std::string& path) const
{
    return "データエリアが見つかりませんでした・・・off_" + code_ + "\n" + path;
}

std::string HeadTexts::chunkUnreadable(const std::string& path) const
{
    return "データエリアが見つかりませんでした・・・" + code_ + "\n" + path;
}

std::string HeadTexts::noData() const { return "データがありません・・・" + code_; }

std::string HeadTexts::compressed() const
{
    if (is("MF")) return "圧縮データには無音を挿入できません・・・MF";
    if (is("EA")) return "圧縮データには無音を付加できません・・・EA";
    if (is("K") || is("KD")) return "圧縮データは結合できません・・・" + code_;
    return "圧縮データは変換できません・・・" + code_;
}

std::string HeadTexts::bytesPerSec() const { return "１秒当たりのバイト数が異状です・・・" + code_; }

std::string HeadTexts::bytesPer40ms() const
{
    if (is("F")) return "40ms秒当たりのバイト数が異状です・・・F";
    return "40ms当たりのバイト数が異状です・・・" + code_;
}

std::string HeadTexts::badSample() const
{
    if (is("MF") || is("EA") || is("F")) return "サンプルが不正です・・・" + code_;
    return "サンプルが異状です・・・" + code_;
}

std::string HeadTexts::blockSize() const { return "総読み込みバイト数が異状です・・・" + code_; }

std::string HeadTexts::readFailed() const { return "WAVファイルの読み出しに失敗しました・・・" + code_; }

std::string HeadTexts::writeFailed() const { return "WAVファイルの書き込みに失敗しました・・・" + code_; }

std::string HeadTexts::headerWriteFailed() const { return "WAVファイルの書き出しに失敗しました・・・" + code_; }

std::string HeadTexts::createFailed(const std::string& path) const
{
    return "新規ファイルの作成にッ失敗しました・・・" + code_ + "\n" + path;
}

std::string HeadTexts::offsetOutOfRange() const { return "オフセットが範囲を超えています・・・" + code_; }

std::string HeadTexts::notStereo() const { return "データがステレオではありません・・・" + code_; }
