#pragma once
// The colour choices of the cut face's menus (PopupMenu_T, PopupMenu_R): the
// seven colour codes 0-6, one checked at a time, and a cancel item.
#include <array>
#include <functional>

class QAction;
class QMenu;

inline constexpr int ColourChoiceCount = 7;

// Adds the seven colour choices (checkable, one checked at a time) named
// `names` with `captions`, a separator and a cancel item named `cancelName`;
// choosing item i runs `chosen(i)`.
std::array<QAction*, ColourChoiceCount> AddColourChoices(QMenu& menu,
                                                         const std::array<const char*, ColourChoiceCount>& captions,
                                                         const std::array<const char*, ColourChoiceCount>& names,
                                                         const char* cancelName, std::function<void(int code)> chosen);
