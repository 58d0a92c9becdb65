#pragma once

#include <string>
#include <string_view>

namespace framework {

// Conversions between the framework's Windows-1252 strings and Unicode at the system's boundaries
// (the engine stores UTF-8, ICU and FreeType take code points).

char32_t AnsiCharToCodePoint(unsigned char Ch);
// The Windows-1252 byte of a code point, or -1 when the code page has none.
int CodePointToAnsiChar(char32_t CodePoint);

std::string AnsiToUtf8(std::string_view S);
// Characters without a Windows-1252 byte become '?'; malformed UTF-8 bytes become '?' as well.
std::string Utf8ToAnsi(std::string_view S);

}  // namespace framework
