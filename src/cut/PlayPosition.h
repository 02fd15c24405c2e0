#pragma once
// The play position as registering and subdividing take it: the device's
// position reply, or, when the device cannot tell (nothing is open), the
// play time Label14 shows followed by "000", so that its whole seconds (or
// minutes and seconds) read as milliseconds.
#include <QString>

#include <cstdint>
#include <optional>

class QLabel;
struct CutFaceContext;

QString PlayPositionText(CutFaceContext& context, const QLabel& Label14);

// The position in ms; none when no readable position text is available
// (after which "再生位置の取得に失敗しました・・・" has been shown).
std::optional<int64_t> TakePlayPosition(CutFaceContext& context, const QLabel& Label14);
