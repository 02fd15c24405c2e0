#pragma once
// The lines of a list file as the program reads its text files: UTF-8 when it
// is valid UTF-8 (with or without a byte-order mark), else CP932; lines ended
// by CR, LF or CR LF. A file that is neither is taken as UTF-8.
#include <optional>
#include <string>
#include <vector>

// The lines in UTF-8 (a final line end adds no empty line); none when the
// file cannot be read.
std::optional<std::vector<std::string>> ReadListFile(const std::string& path);

// The same for a command: when the file cannot be read, none, and ErrorText
// names the file and says so.
std::optional<std::vector<std::string>> ListFileLines(const std::string& path, std::string& ErrorText);
