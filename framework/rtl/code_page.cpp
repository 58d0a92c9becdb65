#include "framework/rtl/code_page.h"

#include <cstdint>

namespace framework {

namespace {

// Windows-1252 differs from Latin-1 only in 0x80..0x9F. The five bytes the code page leaves
// undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the C1 controls of the same value, so that every
// byte survives a round trip through Unicode.
constexpr char16_t HighControls[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80..87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 88..8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90..97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 98..9F
};

void AppendUtf8(std::string& Out, char32_t C) {
  if (C < 0x80) {
    Out += char(C);
  } else if (C < 0x800) {
    Out += char(0xC0 | (C >> 6));
    Out += char(0x80 | (C & 0x3F));
  } else {
    // Every Windows-1252 character lies in the Basic Multilingual Plane.
    Out += char(0xE0 | (C >> 12));
    Out += char(0x80 | ((C >> 6) & 0x3F));
    Out += char(0x80 | (C & 0x3F));
  }
}

bool IsContinuation(unsigned char B) {
  return (B & 0xC0) == 0x80;
}

}  // namespace

char32_t AnsiCharToCodePoint(unsigned char Ch) {
  if (Ch >= 0x80 && Ch <= 0x9F) return HighControls[Ch - 0x80];
  return Ch;
}

int CodePointToAnsiChar(char32_t CodePoint) {
  if (CodePoint < 0x80 || (CodePoint >= 0xA0 && CodePoint <= 0xFF)) return int(CodePoint);
  for (int I = 0; I < 32; ++I)
    if (HighControls[I] == CodePoint) return 0x80 + I;
  return -1;
}

std::string AnsiToUtf8(std::string_view S) {
  std::string Result;
  Result.reserve(S.size() + S.size() / 4);
  for (unsigned char Ch : S) AppendUtf8(Result, AnsiCharToCodePoint(Ch));
  return Result;
}

std::string Utf8ToAnsi(std::string_view S) {
  std::string Result;
  Result.reserve(S.size());
  const size_t N = S.size();
  size_t I = 0;
  while (I < N) {
    const unsigned char Lead = static_cast<unsigned char>(S[I]);
    if (Lead < 0x80) {
      Result += char(Lead);
      ++I;
      continue;
    }
    // Well-formed sequences as in table 3-7 of the Unicode standard: the range of the second byte
    // depends on the lead so that overlong forms, surrogates and values past U+10FFFF are refused.
    int Length = 0;
    unsigned char Low = 0x80, High = 0xBF;
    char32_t C = 0;
    if (Lead >= 0xC2 && Lead <= 0xDF) {
      Length = 2;
      C = Lead & 0x1F;
    } else if (Lead >= 0xE0 && Lead <= 0xEF) {
      Length = 3;
      C = Lead & 0x0F;
      if (Lead == 0xE0) Low = 0xA0;
      if (Lead == 0xED) High = 0x9F;
    } else if (Lead >= 0xF0 && Lead <= 0xF4) {
      Length = 4;
      C = Lead & 0x07;
      if (Lead == 0xF0) Low = 0x90;
      if (Lead == 0xF4) High = 0x8F;
    }
    // One '?' replaces each maximal ill-formed subpart: the lead and the continuation bytes that
    // were still acceptable when the sequence broke off (at least one byte).
    size_t Next = I + 1;
    bool Complete = Length > 0;
    for (int K = 1; K < Length && Complete; ++K) {
      const unsigned char B = Next < N ? static_cast<unsigned char>(S[Next]) : 0;
      const bool Fits = Next < N && (K == 1 ? B >= Low && B <= High : IsContinuation(B));
      if (!Fits) {
        Complete = false;
        break;
      }
      C = (C << 6) | (B & 0x3F);
      ++Next;
    }
    if (Complete) {
      const int Ansi = CodePointToAnsiChar(C);
      Result += Ansi < 0 ? '?' : char(Ansi);
    } else {
      Result += '?';
    }
    I = Next;
  }
  return Result;
}

}  // namespace framework
