#include "framework/classes/parser.h"

#include <cctype>
#include <charconv>

#include "framework/classes/errors.h"
#include "framework/rtl/string_functions.h"

namespace framework {

namespace {

bool IsIdentStart(char Ch) {
  return std::isalpha(static_cast<unsigned char>(Ch)) || Ch == '_';
}
bool IsIdentChar(char Ch) {
  return IsIdentStart(Ch) || std::isdigit(static_cast<unsigned char>(Ch));
}
bool IsDigit(char Ch) {
  return std::isdigit(static_cast<unsigned char>(Ch));
}
int HexValue(char Ch) {
  if (IsDigit(Ch)) return Ch - '0';
  const char Lower = char(std::tolower(static_cast<unsigned char>(Ch)));
  return Lower >= 'a' && Lower <= 'f' ? Lower - 'a' + 10 : -1;
}

}  // namespace

TParser::TParser(std::string_view Text) : FText(Text) {
  NextToken();
}

char TParser::Peek(size_t Ahead) const {
  return FPos + Ahead < FText.size() ? FText[FPos + Ahead] : '\0';
}

void TParser::SkipBlanks() {
  while (FPos < FText.size() && static_cast<unsigned char>(FText[FPos]) <= ' ') {
    if (FText[FPos] == '\n') ++FLine;
    ++FPos;
  }
}

void TParser::NextToken() {
  SkipBlanks();
  FTokenLine = FLine;
  FTokenString.clear();
  const char Ch = Peek();
  if (FPos >= FText.size())
    FToken = toEOF;
  else if (IsIdentStart(Ch))
    ReadSymbol();
  else if (Ch == '\'' || Ch == '#')
    ReadString();
  else if (IsDigit(Ch) || Ch == '$' || (Ch == '-' && (IsDigit(Peek(1)) || Peek(1) == '$')))
    ReadNumber();
  else if (Ch == '{')
    ReadBinary();
  else {
    FToken = toChar;
    FTokenString = Ch;
    ++FPos;
  }
}

void TParser::ReadSymbol() {
  FToken = toSymbol;
  for (;;) {
    while (IsIdentChar(Peek())) FTokenString += FText[FPos++];
    if (Peek() != '.' || !IsIdentStart(Peek(1))) return;
    FTokenString += FText[FPos++];
  }
}

// A string is a run of quoted parts and #nnn character codes with nothing between them.
void TParser::ReadString() {
  FToken = toString;
  for (;;) {
    if (Peek() == '\'') {
      ++FPos;
      for (;;) {
        if (FPos >= FText.size() || Peek() == '\n' || Peek() == '\r') Error("Unterminated string");
        if (Peek() == '\'' && Peek(1) != '\'') break;
        if (Peek() == '\'') ++FPos;
        FTokenString += FText[FPos++];
      }
      ++FPos;
    } else if (Peek() == '#') {
      ++FPos;
      unsigned Code = 0;
      const size_t Start = FPos;
      while (IsDigit(Peek()) && Code <= 255) Code = Code * 10 + unsigned(FText[FPos++] - '0');
      if (FPos == Start || Code > 255 || IsDigit(Peek())) Error("Invalid character code in string");
      FTokenString += char(Code);
    } else {
      return;
    }
  }
}

void TParser::ReadNumber() {
  const size_t Start = FPos;
  if (Peek() == '-') ++FPos;
  if (Peek() == '$') {
    ++FPos;
    while (HexValue(Peek()) >= 0) ++FPos;
    FToken = toInteger;
  } else {
    while (IsDigit(Peek())) ++FPos;
    FToken = toInteger;
    if (Peek() == '.' && IsDigit(Peek(1))) {
      FToken = toFloat;
      ++FPos;
      while (IsDigit(Peek())) ++FPos;
    }
    if ((Peek() == 'e' || Peek() == 'E') &&
        (IsDigit(Peek(1)) || ((Peek(1) == '-' || Peek(1) == '+') && IsDigit(Peek(2))))) {
      FToken = toFloat;
      FPos += 2;
      while (IsDigit(Peek())) ++FPos;
    }
  }
  FTokenString = FText.substr(Start, FPos - Start);
  if (IsIdentChar(Peek()) || Peek() == '.') Error("Invalid number " + FTokenString + Peek());
  if (FToken == toInteger) TokenInt();
}

void TParser::ReadBinary() {
  FToken = toBinary;
  ++FPos;
  int High = -1;
  for (;;) {
    SkipBlanks();
    if (FPos >= FText.size()) Error("Unterminated binary value");
    const char Ch = FText[FPos++];
    if (Ch == '}') break;
    const int Digit = HexValue(Ch);
    if (Digit < 0) Error(std::string("Invalid character '") + Ch + "' in binary value");
    if (High < 0) {
      High = Digit;
    } else {
      FTokenString += char(High * 16 + Digit);
      High = -1;
    }
  }
  if (High >= 0) Error("Odd number of digits in binary value");
}

int64_t TParser::TokenInt() const {
  CheckToken(toInteger);
  std::string_view Digits = FTokenString;
  const bool Negative = !Digits.empty() && Digits[0] == '-';
  if (Negative) Digits.remove_prefix(1);
  const bool Hex = !Digits.empty() && Digits[0] == '$';
  if (Hex) Digits.remove_prefix(1);
  uint64_t Magnitude = 0;
  const auto [End, Status] =
      std::from_chars(Digits.data(), Digits.data() + Digits.size(), Magnitude, Hex ? 16 : 10);
  if (Digits.empty() || Status != std::errc() || End != Digits.data() + Digits.size() ||
      Magnitude > uint64_t(INT64_MAX) + (Negative ? 1 : 0))
    Error("Invalid integer " + FTokenString);
  return Negative ? int64_t(0 - Magnitude) : int64_t(Magnitude);
}

double TParser::TokenFloat() const {
  if (FToken == toInteger) return double(TokenInt());
  CheckToken(toFloat);
  double Value = 0;
  std::from_chars(FTokenString.data(), FTokenString.data() + FTokenString.size(), Value);
  return Value;
}

bool TParser::TokenSymbolIs(std::string_view Symbol) const {
  return FToken == toSymbol && SameText(FTokenString, Symbol);
}

std::string TParser::Describe() const {
  switch (FToken) {
    case toEOF: return "end of text";
    case toString: return "string";
    case toBinary: return "binary value";
    default: return "'" + FTokenString + "'";
  }
}

void TParser::CheckToken(TTokenKind Kind) const {
  static const char* const Names[] = {"end of text", "identifier",   "string",   "integer",
                                      "number",      "binary value", "character"};
  if (FToken != Kind) Error(std::string(Names[Kind]) + " expected but " + Describe() + " found");
}

void TParser::CheckChar(char Ch) const {
  if (TokenChar() != Ch) Error(std::string("'") + Ch + "' expected but " + Describe() + " found");
}

void TParser::CheckSymbol(std::string_view Symbol) const {
  if (!TokenSymbolIs(Symbol))
    Error("'" + std::string(Symbol) + "' expected but " + Describe() + " found");
}

void TParser::ErrorAt(int Line, const std::string& Message) {
  throw EParserError(Line, Message);
}

}  // namespace framework
