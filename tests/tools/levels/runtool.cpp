#include "runtool.h"

#include <sstream>

#include "commands.h"

int runTool(const std::vector<std::string>& args, std::string* out, std::string* err)
{
    std::ostringstream outText;
    std::ostringstream errText;
    int code = runLevelsTool(args, outText, errText);
    if (out)
        *out = outText.str();
    if (err)
        *err = errText.str();
    return code;
}
