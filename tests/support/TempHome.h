#pragma once
// Test support: a temporary folder that HOME points at while a test runs, with
// the data home (XDG_DATA_HOME) at its .local/share, so that no test touches
// the real home or the real program folder.
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <random>
#include <string>

class TempHome {
public:
    TempHome()
    {
        std::random_device seed;
        path_ = std::filesystem::temp_directory_path() / ("vantro-home-" + std::to_string(seed()));
        std::filesystem::create_directories(path_);
        oldHome_ = Set("HOME", path_.string());
        oldDataHome_ = Set("XDG_DATA_HOME", (path_ / ".local" / "share").string());
    }
    ~TempHome()
    {
        Restore("XDG_DATA_HOME", oldDataHome_);
        Restore("HOME", oldHome_);
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    TempHome(const TempHome&) = delete;
    TempHome& operator=(const TempHome&) = delete;

    const std::filesystem::path& path() const { return path_; }
    // The home folder as the program holds it, with a trailing separator.
    std::string folder() const { return path_.string() + "/"; }

private:
    static std::optional<std::string> Set(const char* name, const std::string& value)
    {
        const char* old = std::getenv(name);
        std::optional<std::string> previous = old ? std::optional<std::string>(old) : std::nullopt;
        setenv(name, value.c_str(), 1);
        return previous;
    }
    static void Restore(const char* name, const std::optional<std::string>& old)
    {
        if (old) setenv(name, old->c_str(), 1);
        else unsetenv(name);
    }

    std::filesystem::path path_;
    std::optional<std::string> oldHome_;
    std::optional<std::string> oldDataHome_;
};
