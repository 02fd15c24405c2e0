#pragma once
// Test support for the browser: folders of small WAV and other files.
#include <filesystem>
#include <fstream>
#include <string>

#include "TestWav.h"

// A minimal WAV file of `dataBytes` bytes of silence.
inline std::string WriteWav(const TempDir& dir, const std::string& name, size_t dataBytes = 4)
{
    WavSpec spec;
    spec.data.assign(dataBytes, 0);
    return dir.write(name, spec.build());
}

inline void WriteText(const TempDir& dir, const std::string& name, const std::string& text = "x")
{
    std::ofstream(dir.path() / name) << text;
}

// The browser makes each folder it lists the current directory: tests put
// the old one back so later tests do not run in a removed folder.
class KeepCurrentDirectory {
public:
    KeepCurrentDirectory()
        : before_(std::filesystem::current_path())
    {
    }
    ~KeepCurrentDirectory()
    {
        std::error_code ec;
        std::filesystem::current_path(before_, ec);
    }
    KeepCurrentDirectory(const KeepCurrentDirectory&) = delete;
    KeepCurrentDirectory& operator=(const KeepCurrentDirectory&) = delete;

private:
    std::filesystem::path before_;
};
