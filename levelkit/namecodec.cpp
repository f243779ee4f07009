#include "namecodec.h"

#include <string>
#include <vector>

#include "level.h"
#include "systemheaders.h"

namespace {

const char cp949[] = "CP949";

#ifdef _WIN32

// Windows converts through UTF-16 with its own tables of code page 949.
unsigned codePageOf(const char* name) { return std::string(name) == cp949 ? 949 : CP_UTF8; }

bool toWide(unsigned codePage, const std::string& in, std::wstring* out)
{
    int length = static_cast<int>(in.size());
    int wide = MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, in.data(), length, nullptr, 0);
    if (wide <= 0)
        return false;
    out->assign(wide, L'\0');
    return MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, in.data(), length, &(*out)[0], wide) == wide;
}

// A character the code page lacks would come out as its default character:
// that is a failed conversion, as it is to iconv.
bool fromWide(unsigned codePage, const std::wstring& in, std::string* out)
{
    int length = static_cast<int>(in.size());
    BOOL usedDefault = FALSE;
    BOOL* defaultUse = codePage == CP_UTF8 ? nullptr : &usedDefault;  // UTF-8 takes no default character
    DWORD flags = codePage == CP_UTF8 ? 0 : WC_NO_BEST_FIT_CHARS;
    int bytes = WideCharToMultiByte(codePage, flags, in.data(), length, nullptr, 0, nullptr, defaultUse);
    if (bytes <= 0 || usedDefault)
        return false;
    out->assign(bytes, '\0');
    bytes = WideCharToMultiByte(codePage, flags, in.data(), length, &(*out)[0], bytes, nullptr, defaultUse);
    return bytes == static_cast<int>(out->size()) && !usedDefault;
}

bool convert(const char* to, const char* from, const std::string& in, std::string* out)
{
    if (in.empty()) {
        out->clear();
        return true;
    }
    std::wstring wide;
    return toWide(codePageOf(from), in, &wide) && fromWide(codePageOf(to), wide, out);
}

#else

// The codec of each direction stays open for the run: opening one costs far
// more than converting a name.
iconv_t codecFor(const char* to, const char* from)
{
    static iconv_t toCp949 = reinterpret_cast<iconv_t>(-1);
    static iconv_t toUtf8 = reinterpret_cast<iconv_t>(-1);
    iconv_t* codec = std::string(to) == cp949 ? &toCp949 : &toUtf8;
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

#endif

// The first control byte of the text (a line break would reach the records
// file beside a best time), or -1.
int firstControlByte(const std::string& text)
{
    for (size_t i = 0; i < text.size(); ++i) {
        unsigned char c = static_cast<unsigned char>(text[i]);
        if (c < 0x20 || c == 0x7F)
            return static_cast<int>(i);
    }
    return -1;
}

// How many bytes a UTF-8 sequence with this first byte has; 0 for a byte no
// sequence begins with.
size_t utf8LengthFrom(unsigned char lead)
{
    if (lead < 0x80)
        return 1;
    if (lead >= 0xC2 && lead <= 0xDF)
        return 2;
    if (lead >= 0xE0 && lead <= 0xEF)
        return 3;
    return lead >= 0xF0 && lead <= 0xF4 ? 4 : 0;
}

// The length of the UTF-8 sequence at text[at], 0 when none begins there.
size_t utf8SequenceAt(const std::string& text, size_t at)
{
    unsigned char lead = static_cast<unsigned char>(text[at]);
    size_t length = utf8LengthFrom(lead);
    if (length <= 1)
        return length;
    if (at + length > text.size())
        return 0;
    unsigned code = lead & (0x7F >> length);
    for (size_t i = 1; i < length; ++i) {
        unsigned char next = static_cast<unsigned char>(text[at + i]);
        if ((next & 0xC0) != 0x80)
            return 0;
        code = code << 6 | (next & 0x3F);
    }
    const unsigned fewest[5] = {0, 0, 0x80, 0x800, 0x10000};  // below these the form is overlong
    bool surrogate = code >= 0xD800 && code <= 0xDFFF;
    return code >= fewest[length] && !surrogate && code <= 0x10FFFF ? length : 0;
}

}  // namespace

bool isUtf8(const std::string& text)
{
    for (size_t at = 0; at < text.size();) {
        size_t length = utf8SequenceAt(text, at);
        if (length == 0)
            return false;
        at += length;
    }
    return true;
}

std::string notUtf8Problem(const std::string& line)
{
    std::string utf8;
    return std::string("the file is not UTF-8 text") + (cp949ToUtf8(line, &utf8) ? " (perhaps saved in CP949)" : "") +
           "; save it as UTF-8";
}

bool utf8ToCp949(const std::string& utf8, std::string* bytes) { return convert(cp949, "UTF-8", utf8, bytes); }

bool cp949ToUtf8(const std::string& bytes, std::string* utf8) { return convert("UTF-8", cp949, bytes, utf8); }

std::string controlByteProblem(const std::string& text)
{
    int at = firstControlByte(text);
    if (at < 0)
        return "";
    const char digits[] = "0123456789abcdef";
    unsigned char c = static_cast<unsigned char>(text[at]);
    return std::string("the name holds the control byte 0x") + digits[c >> 4] + digits[c & 15] + " at byte " +
           std::to_string(at + 1);
}

std::string nameProblem(const std::string& utf8)
{
    if (utf8.empty())
        return "the name is empty";
    std::string control = controlByteProblem(utf8);
    if (!control.empty())
        return control;
    if (!isUtf8(utf8))
        return "the name is not UTF-8 text";
    std::string bytes;
    if (!utf8ToCp949(utf8, &bytes))
        return "the name \"" + utf8 + "\" has characters that CP949 cannot hold";
    if (static_cast<int>(bytes.size()) > maxNameBytes) {
        return "the name \"" + utf8 + "\" is " + std::to_string(bytes.size()) + " bytes in CP949, at most " +
               std::to_string(maxNameBytes) + " fit";
    }
    return "";
}
