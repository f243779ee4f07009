#pragma once
// The level tool run in-process for its tests.
#include <string>
#include <vector>

// Runs the tool; out and err collect what it prints.
int runTool(const std::vector<std::string>& args, std::string* out = nullptr, std::string* err = nullptr);
