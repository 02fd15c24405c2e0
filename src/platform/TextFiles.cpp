#include "TextFiles.h"

#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

#include "TextEncoding.h"

namespace {

const QByteArray kByteOrderMark(Utf8ByteOrderMark.data(), static_cast<qsizetype>(Utf8ByteOrderMark.size()));

// The converter name of CP932 in this Qt build; empty when it has none.
const char* Cp932Name()
{
    static const char* name = [] {
        for (const char* candidate : {"windows-31j", "Shift_JIS"})
            if (QStringEncoder(candidate).isValid()) return candidate;
        return "";
    }();
    return name;
}

}  // namespace

std::optional<QByteArray> ToCp932(const QString& text)
{
    QStringEncoder encoder(Cp932Name());
    if (!encoder.isValid()) return std::nullopt;
    const QByteArray bytes = encoder.encode(text);
    // A character without a CP932 form sets the error; a one-way (best fit)
    // mapping would not, so the bytes must also read back as the same text.
    if (encoder.hasError() || FromCp932(bytes) != text) return std::nullopt;
    return bytes;
}

QString FromCp932(const QByteArray& bytes)
{
    QStringDecoder decoder(Cp932Name(), QStringConverter::Flag::Stateless);
    if (!decoder.isValid()) return QString::fromUtf8(bytes);
    return decoder.decode(bytes);
}

QByteArray EncodeTextLines(const QStringList& lines)
{
    QString text;
    for (const QString& line : lines) text += line + QLatin1Char('\n');
    return text.toUtf8();
}

QStringList DecodeTextLines(const QByteArray& bytes)
{
    const QByteArray body = bytes.startsWith(kByteOrderMark) ? bytes.mid(kByteOrderMark.size()) : bytes;
    QString text = IsUtf8(std::string_view(body.constData(), static_cast<size_t>(body.size())))
                       ? QString::fromUtf8(body)
                       : FromCp932(body);
    if (text.isEmpty()) return {};
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    if (text.endsWith(QLatin1Char('\n'))) text.chop(1);
    return text.split(QLatin1Char('\n'));
}

bool WriteTextLines(const QString& path, const QStringList& lines)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    const QByteArray bytes = EncodeTextLines(lines);
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

std::optional<QStringList> ReadTextLines(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    return DecodeTextLines(file.readAll());
}
