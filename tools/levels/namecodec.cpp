#include "namecodec.h"

#include <iconv.h>

#include <vector>

#include "level.h"

namespace {

bool convert(const char* to, const char* from, const std::string& in, std::string* out)
{
    iconv_t codec = iconv_open(to, from);
    if (codec == reinterpret_cast<iconv_t>(-1))
        return false;
    std::vector<char> input(in.begin(), in.end());
    std::vector<char> output(in.size() * 4 + 4);
    char* inPos = input.data();
    size_t inLeft = input.size();
    char* outPos = output.data();
    size_t outLeft = output.size();
    size_t result = iconv(codec, &inPos, &inLeft, &outPos, &outLeft);
    iconv_close(codec);
    if (result == static_cast<size_t>(-1) || inLeft != 0)
        return false;
    out->assign(output.data(), outPos);
    return true;
}

bool hasControlCharacter(const std::string& text)
{
    for (unsigned char c : text) {
        if (c < 0x20 || c == 0x7F)
            return true;
    }
    return false;
}

}  // namespace

bool utf8ToCp949(const std::string& utf8, std::string* cp949) { return convert("CP949", "UTF-8", utf8, cp949); }

bool cp949ToUtf8(const std::string& cp949, std::string* utf8) { return convert("UTF-8", "CP949", cp949, utf8); }

std::string nameProblem(const std::string& utf8)
{
    if (utf8.empty())
        return "the name is empty";
    if (hasControlCharacter(utf8))
        return "the name holds a control character";
    std::string bytes;
    if (!utf8ToCp949(utf8, &bytes))
        return "the name \"" + utf8 + "\" has characters that CP949 cannot hold";
    if (static_cast<int>(bytes.size()) > maxNameBytes) {
        return "the name \"" + utf8 + "\" is " + std::to_string(bytes.size()) + " bytes in CP949, at most " +
               std::to_string(maxNameBytes) + " fit";
    }
    return "";
}
