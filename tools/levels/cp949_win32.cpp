// The CP949 conversions of namecodec.h on Windows, through the system's own
// code page 949 tables, which are the ones the game's text calls use.
#include "namecodec.h"

#include <windows.h>

#include <vector>

namespace {

const UINT koreanCodePage = 949;

// Text to UTF-16; false when a byte sequence is not of the code page.
bool toWide(UINT codePage, const std::string& in, std::wstring* wide)
{
    wide->clear();
    if (in.empty())
        return true;
    const int inLength = static_cast<int>(in.size());
    int length = MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, in.data(), inLength, nullptr, 0);
    if (length <= 0)
        return false;
    std::vector<wchar_t> buffer(length);
    MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, in.data(), inLength, buffer.data(), length);
    wide->assign(buffer.data(), length);
    return true;
}

// UTF-16 to CP949; false when a character has no CP949 form (no stand-in
// character is ever put in its place).
bool wideToCp949(const std::wstring& wide, std::string* out)
{
    out->clear();
    if (wide.empty())
        return true;
    const int wideLength = static_cast<int>(wide.size());
    BOOL replaced = FALSE;
    int length = WideCharToMultiByte(koreanCodePage, WC_NO_BEST_FIT_CHARS, wide.data(), wideLength, nullptr, 0,
                                     nullptr, &replaced);
    if (length <= 0 || replaced)
        return false;
    std::vector<char> buffer(length);
    WideCharToMultiByte(koreanCodePage, WC_NO_BEST_FIT_CHARS, wide.data(), wideLength, buffer.data(), length,
                        nullptr, &replaced);
    out->assign(buffer.data(), length);
    return !replaced;
}

bool wideToUtf8(const std::wstring& wide, std::string* out)
{
    out->clear();
    if (wide.empty())
        return true;
    const int wideLength = static_cast<int>(wide.size());
    int length = WideCharToMultiByte(CP_UTF8, 0, wide.data(), wideLength, nullptr, 0, nullptr, nullptr);
    if (length <= 0)
        return false;
    std::vector<char> buffer(length);
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), wideLength, buffer.data(), length, nullptr, nullptr);
    out->assign(buffer.data(), length);
    return true;
}

}  // namespace

bool utf8ToCp949(const std::string& utf8, std::string* cp949)
{
    std::wstring wide;
    return isUtf8(utf8) && toWide(CP_UTF8, utf8, &wide) && wideToCp949(wide, cp949);
}

bool cp949ToUtf8(const std::string& cp949, std::string* utf8)
{
    std::wstring wide;
    return toWide(koreanCodePage, cp949, &wide) && wideToUtf8(wide, utf8);
}
