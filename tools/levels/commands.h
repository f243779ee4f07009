#pragma once
// The subcommands of bombalevels. Output goes to out, messages about bad
// input and refusals to err. The result is the exit code: 0 success, 1 a
// level or file failed or was refused, 2 a usage error.
#include <ostream>
#include <string>
#include <vector>

int runLevelsTool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
