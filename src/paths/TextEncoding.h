#pragma once
// How the program tells the encoding of a text file it reads back: UTF-8 when
// the bytes are valid UTF-8 (with or without a byte-order mark), else CP932,
// the encoding of files written by earlier versions and on Windows.
#include <string_view>

// True when the bytes are well-formed UTF-8: no overlong forms, no
// surrogates, nothing above U+10FFFF, no sequence cut short.
bool IsUtf8(std::string_view bytes);

// The UTF-8 byte-order mark.
inline constexpr std::string_view Utf8ByteOrderMark = "\xEF\xBB\xBF";
