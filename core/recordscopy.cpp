// The comparison of a records copy with the file it is to replace.
#include "recordscopy.h"

#include <cstddef>

namespace {

char lowerAscii(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

// The blanks the profile calls drop at the ends of a value (and ^Z, an old
// end-of-file mark). None of them is a byte of a double-byte character.
bool isProfileBlank(char c)
{
    return c == ' ' || (c >= '\t' && c <= '\r') || c == '\x1a';
}

std::string trimmed(const std::string& text)
{
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && isProfileBlank(text[begin]))
        ++begin;
    while (end > begin && isProfileBlank(text[end - 1]))
        --end;
    return text.substr(begin, end - begin);
}

std::string withoutQuotes(const std::string& text)
{
    bool quoted = text.size() >= 2 && (text[0] == '"' || text[0] == '\'') && text.back() == text[0];
    return quoted ? text.substr(1, text.size() - 2) : text;
}

std::string keyOf(const std::string& entry)
{
    return entry.substr(0, entry.find('='));
}

bool isWrittenKey(const std::string& entry, const std::vector<std::string>& keys)
{
    for (const std::string& key : keys)
        if (sameKeyName(keyOf(entry), key))
            return true;
    return false;
}

std::vector<std::string> entriesOtherThan(const std::vector<std::string>& entries, const std::vector<std::string>& keys)
{
    std::vector<std::string> others;
    for (const std::string& entry : entries)
        if (!isWrittenKey(entry, keys))
            others.push_back(entry);
    return others;
}

}  // namespace

bool sameKeyName(const std::string& a, const std::string& b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (lowerAscii(a[i]) != lowerAscii(b[i]))
            return false;
    return true;
}

bool sameValue(const std::string& readBack, const std::string& written)
{
    std::string stored = trimmed(written);
    return readBack == stored || readBack == withoutQuotes(stored);
}

bool keepsSections(const std::vector<std::string>& before, const std::vector<std::string>& after,
                   const std::string& section)
{
    if (after == before)
        return true;
    for (const std::string& name : before)
        if (sameKeyName(name, section))
            return false;  // it was there: nothing may be added
    return after.size() == before.size() + 1 && sameKeyName(after.back(), section) &&
           std::vector<std::string>(after.begin(), after.end() - 1) == before;
}

bool keepsOtherEntries(const std::vector<std::string>& before, const std::vector<std::string>& after,
                       const std::vector<std::string>& keys)
{
    return entriesOtherThan(before, keys) == entriesOtherThan(after, keys);
}

bool holdsValue(const std::vector<std::string>& entries, const std::string& key, const std::string& value)
{
    for (const std::string& entry : entries) {
        std::size_t equals = entry.find('=');
        if (equals != std::string::npos && sameKeyName(entry.substr(0, equals), key))
            return sameValue(entry.substr(equals + 1), value);
    }
    return false;
}
