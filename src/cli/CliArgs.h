#pragma once
// Reading the command line of vantro-wav: the global options, the command
// word and the command's own arguments, texts as they are and numbers as
// signed decimal integers.
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "WorkBuffers.h"

// Wrong usage: an unknown option or command, a wrong number of arguments, or
// an argument that is not what its place asks for. Reported before anything runs.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A signed decimal integer ("12", "-3", "+7") within [min, max]; nothing else.
std::optional<int64_t> ParseInteger(std::string_view text, int64_t min, int64_t max);

// The smallest work buffer --work-buffer accepts: the engine's small buffer.
inline constexpr int64_t MinWorkBufferBytes = DefaultSmallBufSize;

// What the command line asks for.
struct Invocation {
    bool help = false;
    std::optional<int64_t> workBufferBytes;
    std::string command;
    std::vector<std::string> args;
};

// Splits the arguments after the program name (taken, not copied); throws UsageError.
Invocation ParseInvocation(std::vector<std::string> argv);

// The arguments of one command, read by position.
class CommandArgs {
public:
    explicit CommandArgs(std::vector<std::string> args) : args_(std::move(args)) {}

    size_t size() const { return args_.size(); }
    const std::string& text(size_t i) const { return args_.at(i); }
    // Hands an argument over instead of copying it (a list of 10,000 files is
    // then held once); it reads as empty afterwards.
    std::string take(size_t i) { return std::move(args_.at(i)); }
    // Throw UsageError when the argument is no integer of that width.
    int32_t int32(size_t i) const;
    int64_t int64(size_t i) const;

private:
    std::vector<std::string> args_;
};
