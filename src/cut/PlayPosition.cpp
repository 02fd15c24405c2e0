#include "PlayPosition.h"

#include <QLabel>

#include "CutFaceContext.h"
#include "CutTexts.h"
#include "MediaState.h"
#include "Mkdlg.h"
#include "Playback.h"
#include "TimeFormat.h"

QString PlayPositionText(CutFaceContext& context, const QLabel& Label14)
{
    if (context.playback.MciSend("status talvoMID position") == 0)
        return QString::fromStdString(context.media.ReplyBuf).trimmed();
    return (Label14.text() + QStringLiteral("000")).trimmed();
}

std::optional<int64_t> TakePlayPosition(CutFaceContext& context, const QLabel& Label14)
{
    const std::optional<int64_t> position = ReadEntryTime(PlayPositionText(context, Label14).toStdString());
    if (!position) MKInfoTM(context.box, QString::fromUtf8(CutTexts::NoPlayPositionText), 1);
    return position;
}
