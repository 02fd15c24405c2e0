#pragma once
// Text files as the program keeps them: written whole in UTF-8 with LF line
// ends, as the desktop's editors expect. Readers take a file as UTF-8 when it
// is valid UTF-8 (with or without a byte-order mark) and as CP932 otherwise,
// so that files of earlier versions and from Windows still load, with CR, LF
// or CR LF line ends.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

// The text in CP932 bytes; nothing when a character has no CP932 form.
std::optional<QByteArray> ToCp932(const QString& text);
// The text of CP932 bytes.
QString FromCp932(const QByteArray& bytes);

// The bytes of a text file holding `lines`, each ended by LF.
QByteArray EncodeTextLines(const QStringList& lines);
// The lines of a text file's bytes (a final line end adds no empty line).
QStringList DecodeTextLines(const QByteArray& bytes);

// Writes `lines` as the whole file `path`, replacing it only once the new
// text is complete. False when the file cannot be written.
bool WriteTextLines(const QString& path, const QStringList& lines);
// The lines of the file `path`; nothing when it cannot be read.
std::optional<QStringList> ReadTextLines(const QString& path);
