#include "RegistrationListFile.h"

#include "TextFiles.h"

namespace {

const QString Header = QStringLiteral("VANTRO-VEW\t1");
const QChar Separator = u'\t';
const QString WidthsMark = QStringLiteral("W");
const QString RowMark = QStringLiteral("R");

QString Escaped(const QString& field)
{
    QString text;
    text.reserve(field.size());
    for (const QChar c : field) {
        switch (c.unicode()) {
        case u'\\': text += QStringLiteral("\\\\"); break;
        case u'\t': text += QStringLiteral("\\t"); break;
        case u'\r': text += QStringLiteral("\\r"); break;
        case u'\n': text += QStringLiteral("\\n"); break;
        default: text += c;
        }
    }
    return text;
}

std::optional<QString> Unescaped(const QString& field)
{
    QString text;
    for (qsizetype i = 0; i < field.size(); ++i) {
        if (field[i] != u'\\') {
            text += field[i];
            continue;
        }
        if (++i == field.size()) return std::nullopt;
        switch (field[i].unicode()) {
        case u'\\': text += u'\\'; break;
        case u't': text += u'\t'; break;
        case u'r': text += u'\r'; break;
        case u'n': text += u'\n'; break;
        default: return std::nullopt;
        }
    }
    return text;
}

std::optional<std::array<int, RegistrationColumnCount>> DecodeWidths(const QStringList& fields)
{
    if (fields.size() != RegistrationColumnCount + 1 || fields[0] != WidthsMark) return std::nullopt;
    std::array<int, RegistrationColumnCount> widths{};
    for (int i = 0; i < RegistrationColumnCount; ++i) {
        bool ok = false;
        widths[i] = fields[i + 1].toInt(&ok);
        if (!ok || widths[i] < 0) return std::nullopt;
    }
    return widths;
}

std::optional<FileRow> DecodeRow(const QStringList& fields)
{
    if (fields.size() != RegistrationColumnCount + 1 || fields[0] != RowMark) return std::nullopt;
    std::array<QString, RegistrationColumnCount> texts;
    for (int i = 0; i < RegistrationColumnCount; ++i) {
        const auto text = Unescaped(fields[i + 1]);
        if (!text) return std::nullopt;
        texts[i] = *text;
    }
    return FileRow{texts[0], texts[1], texts[2], texts[3], texts[4]};
}

}  // namespace

QStringList EncodeRegistrationList(const RegistrationListContent& content)
{
    QStringList lines{Header};
    QStringList widths{WidthsMark};
    for (const int width : content.widths) widths.append(QString::number(width));
    lines.append(widths.join(Separator));
    for (const FileRow& row : content.rows) {
        lines.append(QStringList{RowMark, Escaped(row.caption), Escaped(row.path), Escaped(row.size),
                                 Escaped(row.date), Escaped(row.attributes)}
                         .join(Separator));
    }
    return lines;
}

std::optional<RegistrationListContent> DecodeRegistrationList(const QStringList& lines)
{
    if (lines.size() < 2 || lines[0] != Header) return std::nullopt;
    RegistrationListContent content;
    const auto widths = DecodeWidths(lines[1].split(Separator));
    if (!widths) return std::nullopt;
    content.widths = *widths;
    for (qsizetype i = 2; i < lines.size(); ++i) {
        const auto row = DecodeRow(lines[i].split(Separator));
        if (!row) return std::nullopt;
        content.rows.append(*row);
    }
    return content;
}

bool SaveRegistrationList(const QString& path, const RegistrationListContent& content)
{
    return WriteTextLines(path, EncodeRegistrationList(content));
}

std::optional<RegistrationListContent> LoadRegistrationList(const QString& path)
{
    const auto lines = ReadTextLines(path);
    if (!lines) return std::nullopt;
    return DecodeRegistrationList(*lines);
}
