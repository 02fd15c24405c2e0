#include "CutWorkState.h"

#include <filesystem>

void SetCutFile(CutWorkState& state, const std::string& path)
{
    state.CutFile = path;
    const std::string name = std::filesystem::path(path).filename().string();
    const size_t dot = name.rfind('.');
    state.SaveBase = name.substr(0, dot);
    state.SaveExt = dot == std::string::npos ? ".wav" : name.substr(dot);
}
