#include "ListDrawing.h"

RowFont RowFontOf(const QString& attributes, bool selected)
{
    RowFont font;
    font.bold = selected;
    if (attributes.size() == 4) {
        font.italic = attributes.at(1) != u' ';
        font.strikeOut = attributes.at(2) != u' ';
    }
    return font;
}
