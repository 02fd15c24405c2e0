#pragma once
// The notice shown when a play cannot be heard (UTF-8).
namespace SoundTexts {

inline constexpr char NoSound[] = "音声を再生できません・・・";
inline constexpr char NoServer[] = "サウンドサーバーに接続できません。";
inline constexpr char ServerLost[] = "サウンドサーバーとの接続が切れました。";
inline constexpr char FormatRefused[] = "出力装置が、このファイルのチャンネル数・サンプリング周波数を受け付けません。";
inline constexpr char PlaysSilently[] = "音声なしで再生を続けます（再生位置は進みます）。\n再生のたびに、出力装置を、もう一度試します。";

}  // namespace SoundTexts
