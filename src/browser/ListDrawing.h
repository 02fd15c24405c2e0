#pragma once
// How a row of the file list and of the registration lists is drawn, from
// its attribute text: system files in italics, hidden files struck out, the
// selected row bold. An attribute text that is not four characters long
// changes nothing.
#include <QString>

struct RowFont {
    bool italic = false;
    bool strikeOut = false;
    bool bold = false;

    bool operator==(const RowFont&) const = default;
};

RowFont RowFontOf(const QString& attributes, bool selected);
