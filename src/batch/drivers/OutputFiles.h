#pragma once
// What a driver does to an output it wrote itself in this run.
#include <string>

// Removes an output this run wrote and could not finish.
void RemoveOwnOutput(const std::string& path);

// Gives a finished output the current time.
void StampNow(const std::string& path);
