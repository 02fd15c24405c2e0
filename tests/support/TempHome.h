#pragma once
// Test support: a temporary folder that HOME points at while a test runs, so
// that no test touches the real home.
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
        if (const char* old = std::getenv("HOME")) oldHome_ = old;
        setenv("HOME", path_.c_str(), 1);
    }
    ~TempHome()
    {
        if (oldHome_) setenv("HOME", oldHome_->c_str(), 1);
        else unsetenv("HOME");
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    TempHome(const TempHome&) = delete;
    TempHome& operator=(const TempHome&) = delete;

    const std::filesystem::path& path() const { return path_; }
    // The home folder as the program holds it, with a trailing separator.
    std::string folder() const { return path_.string() + "/"; }

private:
    std::filesystem::path path_;
    std::optional<std::string> oldHome_;
};
