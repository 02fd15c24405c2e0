#pragma once
// One file as the file list and the registration lists show it: the caption
// is the file name; the four sub-items are the full path, the size
// ("%8.0n": thousands grouped, right-aligned in 8), the date
// ("yy/mm/dd hh:mm:ss ddd") and the attributes (four characters R, S, H, A,
// each a blank when not set).
#include <QString>

struct FileRow {
    QString caption;
    QString path;
    QString size;
    QString date;
    QString attributes;

    bool operator==(const FileRow&) const = default;
};
