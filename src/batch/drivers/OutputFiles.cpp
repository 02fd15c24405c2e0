#include "OutputFiles.h"

#include <filesystem>

namespace fs = std::filesystem;

void RemoveOwnOutput(const std::string& path)
{
    std::error_code ec;
    fs::remove(path, ec);
}

void StampNow(const std::string& path)
{
    std::error_code ec;
    fs::last_write_time(path, fs::file_time_type::clock::now(), ec);
}
