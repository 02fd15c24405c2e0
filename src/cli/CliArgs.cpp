#include "CliArgs.h"

#include <charconv>
#include <limits>
#include <utility>

std::optional<int64_t> ParseInteger(std::string_view text, int64_t min, int64_t max)
{
    // from_chars takes a minus sign but no plus sign, and no blanks.
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
        if (!text.empty() && text.front() == '-') return std::nullopt;
    }
    int64_t value = 0;
    const char* end = text.data() + text.size();
    auto [stop, ec] = std::from_chars(text.data(), end, value);
    if (text.empty() || ec != std::errc() || stop != end) return std::nullopt;
    if (value < min || value > max) return std::nullopt;
    return value;
}

namespace {

// The work buffer never goes below the engine's small buffer: that is the size
// the engine itself falls back to, and every routine's blocks are planned from it.
int64_t parseWorkBuffer(const std::string& text)
{
    auto bytes = ParseInteger(text, MinWorkBufferBytes, std::numeric_limits<int64_t>::max());
    if (!bytes)
        throw UsageError("--work-buffer takes a number of bytes from " + std::to_string(MinWorkBufferBytes) +
                         " up, not '" + text + "'");
    return *bytes;
}

int64_t integerAt(const std::string& text, int64_t min, int64_t max)
{
    auto value = ParseInteger(text, min, max);
    if (!value) throw UsageError("not an integer in range: '" + text + "'");
    return *value;
}

}  // namespace

Invocation ParseInvocation(std::vector<std::string> argv)
{
    Invocation inv;
    size_t i = 0;
    for (; i < argv.size() && argv[i].starts_with("--"); ++i) {
        if (argv[i] == "--help") {
            inv.help = true;
            return inv;
        }
        if (argv[i] != "--work-buffer") throw UsageError("unknown option '" + argv[i] + "'");
        if (++i == argv.size()) throw UsageError("--work-buffer needs a number of bytes");
        inv.workBufferBytes = parseWorkBuffer(argv[i]);
    }
    if (i == argv.size()) throw UsageError("no command given");
    inv.command = argv[i];
    argv.erase(argv.begin(), argv.begin() + static_cast<std::ptrdiff_t>(i) + 1);
    inv.args = std::move(argv);
    return inv;
}

int32_t CommandArgs::int32(size_t i) const
{
    return static_cast<int32_t>(integerAt(text(i), std::numeric_limits<int32_t>::min(),
                                          std::numeric_limits<int32_t>::max()));
}

int64_t CommandArgs::int64(size_t i) const
{
    return integerAt(text(i), std::numeric_limits<int64_t>::min(), std::numeric_limits<int64_t>::max());
}
