#include "TextEncoding.h"

namespace {

// The length of the sequence a lead byte starts, and the range its second
// byte must lie in; 0 for a byte that starts none.
struct Lead {
    int length;
    unsigned char low, high;
};

Lead LeadOf(unsigned char c)
{
    if (c < 0x80) return {1, 0, 0};
    if (c >= 0xC2 && c <= 0xDF) return {2, 0x80, 0xBF};
    if (c == 0xE0) return {3, 0xA0, 0xBF};
    if (c == 0xED) return {3, 0x80, 0x9F};
    if (c >= 0xE1 && c <= 0xEF) return {3, 0x80, 0xBF};
    if (c == 0xF0) return {4, 0x90, 0xBF};
    if (c >= 0xF1 && c <= 0xF3) return {4, 0x80, 0xBF};
    if (c == 0xF4) return {4, 0x80, 0x8F};
    return {0, 0, 0};
}

}  // namespace

bool IsUtf8(std::string_view bytes)
{
    for (size_t at = 0; at < bytes.size();) {
        const Lead lead = LeadOf(static_cast<unsigned char>(bytes[at]));
        if (lead.length == 0 || at + static_cast<size_t>(lead.length) > bytes.size()) return false;
        for (int i = 1; i < lead.length; ++i) {
            const auto c = static_cast<unsigned char>(bytes[at + static_cast<size_t>(i)]);
            const unsigned char low = i == 1 ? lead.low : 0x80, high = i == 1 ? lead.high : 0xBF;
            if (c < low || c > high) return false;
        }
        at += static_cast<size_t>(lead.length);
    }
    return true;
}
