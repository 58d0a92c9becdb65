#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace framework {

enum TTokenKind : uint8_t { toEOF, toSymbol, toString, toInteger, toFloat, toBinary, toChar };

// Splits the text form of a stored component into tokens: symbols (dotted identifiers such as
// Font.Name), strings ('It''s'#13#10'ok' is one token), integers (decimal or $hex), floats,
// binary data ({ 0A1B }) and single characters. Every error names the line it was found on.
class TParser {
 public:
  explicit TParser(std::string_view Text);

  TTokenKind Token() const { return FToken; }
  // Symbols and numbers as written; strings and binary data decoded.
  const std::string& TokenString() const { return FTokenString; }
  char TokenChar() const { return FToken == toChar ? FTokenString[0] : '\0'; }
  int64_t TokenInt() const;
  double TokenFloat() const;
  int SourceLine() const { return FTokenLine; }

  void NextToken();
  bool TokenSymbolIs(std::string_view Symbol) const;
  // Raise EParserError unless the current token is what is asked for.
  void CheckToken(TTokenKind Kind) const;
  void CheckChar(char Ch) const;
  void CheckSymbol(std::string_view Symbol) const;
  [[noreturn]] void Error(const std::string& Message) const { ErrorAt(FTokenLine, Message); }
  [[noreturn]] static void ErrorAt(int Line, const std::string& Message);

 private:
  char Peek(size_t Ahead = 0) const;
  void SkipBlanks();
  void ReadSymbol();
  void ReadString();
  void ReadNumber();
  void ReadBinary();
  std::string Describe() const;

  std::string_view FText;
  size_t FPos = 0;
  int FLine = 1;
  TTokenKind FToken = toEOF;
  std::string FTokenString;
  int FTokenLine = 1;
};

}  // namespace framework
