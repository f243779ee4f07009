// The CP949 conversions of namecodec.h on the host, through iconv.
#include "namecodec.h"

#include <iconv.h>

#include <vector>

namespace {

// The codec of each direction stays open for the run: opening one costs far
// more than converting a name.
iconv_t codecFor(const char* to, const char* from)
{
    static iconv_t toCp949 = reinterpret_cast<iconv_t>(-1);
    static iconv_t toUtf8 = reinterpret_cast<iconv_t>(-1);
    iconv_t* codec = std::string(to) == "CP949" ? &toCp949 : &toUtf8;
    if (*codec == reinterpret_cast<iconv_t>(-1))
        *codec = iconv_open(to, from);
    return *codec;
}

bool convert(const char* to, const char* from, const std::string& in, std::string* out)
{
    iconv_t codec = codecFor(to, from);
    if (codec == reinterpret_cast<iconv_t>(-1))
        return false;
    iconv(codec, nullptr, nullptr, nullptr, nullptr);  // a fresh start after a failed conversion
    std::vector<char> input(in.begin(), in.end());
    std::vector<char> output(in.size() * 4 + 4);
    char* inPos = input.data();
    size_t inLeft = input.size();
    char* outPos = output.data();
    size_t outLeft = output.size();
    size_t result = iconv(codec, &inPos, &inLeft, &outPos, &outLeft);
    if (result == static_cast<size_t>(-1) || inLeft != 0)
        return false;
    out->assign(output.data(), outPos);
    return true;
}

}  // namespace

bool utf8ToCp949(const std::string& utf8, std::string* cp949) { return convert("CP949", "UTF-8", utf8, cp949); }

bool cp949ToUtf8(const std::string& cp949, std::string* utf8) { return convert("UTF-8", "CP949", cp949, utf8); }
