#pragma once
// Linear fade-in and fade-out of a file's sound, in place, in 10 ms steps.
#include <cstdint>
#include <string>

void FadeInOut(const std::string& fileName, std::string& ErrorText, int64_t fadeInSeconds,
               int64_t fadeOutSeconds, int64_t headSeconds, int64_t headTenths);
