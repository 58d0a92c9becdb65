// Turns the text bitmaps of resources/ (resources/README.md) into BMP files and writes them, as
// string literals, into one C++ source that defines framework::EmbeddedResources().
//
//   resource_compiler OUTPUT.cpp INPUT.bmp.txt...

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

struct TTextBitmap {
  std::string Name;
  int Width = 0;
  int Height = 0;
  std::vector<uint32_t> Colors;  // 0x00RRGGBB, in the order the file declares them
  std::map<char, unsigned> Index;
  std::vector<std::string> Rows;
};

class TParser {
 public:
  explicit TParser(std::string FileName) : FFileName(std::move(FileName)) {}

  TTextBitmap Parse() {
    std::ifstream File(FFileName);
    if (!File) throw std::runtime_error(FFileName + ": cannot open");
    for (std::string Line; std::getline(File, Line);) {
      ++FLine;
      Line.erase(Line.find_last_not_of(" \t\r") + 1);
      if (FInPixels)
        PixelRow(Line);
      else if (!Line.empty() && Line[0] != '#')
        Directive(Line);
    }
    if (FResult.Width == 0) Fail("no bitmap line");
    if (int(FResult.Rows.size()) != FResult.Height)
      Fail(std::to_string(FResult.Rows.size()) + " pixel rows for a height of " +
           std::to_string(FResult.Height));
    return FResult;
  }

 private:
  [[noreturn]] void Fail(const std::string& Message) const {
    throw std::runtime_error(FFileName + ":" + std::to_string(FLine) + ": " + Message);
  }

  void Directive(const std::string& Line) {
    std::istringstream Words(Line);
    std::string Keyword;
    Words >> Keyword;
    if (Keyword == "bitmap")
      Header(Words);
    else if (Keyword == "color")
      Color(Words);
    else if (Keyword == "pixels")
      StartPixels();
    else
      Fail("expected 'bitmap NAME WIDTH HEIGHT', 'color CHAR RRGGBB' or 'pixels'");
  }

  void Header(std::istringstream& Words) {
    if (FResult.Width > 0) Fail("a second bitmap line");
    Words >> FResult.Name >> FResult.Width >> FResult.Height;
    if (!Words || FResult.Width <= 0 || FResult.Height <= 0 || FResult.Width > 4096 ||
        FResult.Height > 4096)
      Fail("expected 'bitmap NAME WIDTH HEIGHT' with a size from 1 to 4096");
  }

  void Color(std::istringstream& Words) {
    std::string Char, Hex;
    Words >> Char >> Hex;
    if (Char.size() != 1 || !std::isgraph(static_cast<unsigned char>(Char[0])) || Hex.size() != 6 ||
        Hex.find_first_not_of("0123456789abcdefABCDEF") != std::string::npos)
      Fail("expected 'color CHAR RRGGBB'");
    if (FResult.Index.count(Char[0])) Fail("colour '" + Char + "' declared twice");
    if (FResult.Colors.size() == 256) Fail("more than 256 colours");
    FResult.Index[Char[0]] = unsigned(FResult.Colors.size());
    FResult.Colors.push_back(uint32_t(std::stoul(Hex, nullptr, 16)));
  }

  void StartPixels() {
    if (FResult.Width == 0) Fail("pixels before the bitmap line");
    if (FResult.Colors.empty()) Fail("pixels before any colour");
    FInPixels = true;
  }

  void PixelRow(const std::string& Line) {
    if (int(FResult.Rows.size()) == FResult.Height) {
      if (Line.empty()) return;
      Fail("more pixel rows than the height");
    }
    if (int(Line.size()) != FResult.Width)
      Fail("row of " + std::to_string(Line.size()) + " pixels for a width of " +
           std::to_string(FResult.Width));
    for (char C : Line)
      if (!FResult.Index.count(C)) Fail(std::string("undeclared colour '") + C + "'");
    FResult.Rows.push_back(Line);
  }

  std::string FFileName;
  int FLine = 0;
  bool FInPixels = false;
  TTextBitmap FResult;
};

void PutU16(std::string& Out, uint32_t Value) {
  Out += char(Value & 0xFF);
  Out += char((Value >> 8) & 0xFF);
}

void PutU32(std::string& Out, uint32_t Value) {
  PutU16(Out, Value & 0xFFFF);
  PutU16(Out, Value >> 16);
}

// A bottom-up BMP with the declared palette: 1-bit for two colours, 4-bit up to sixteen, else
// 8-bit.
std::string EncodeBmp(const TTextBitmap& Bitmap) {
  const size_t Colors = Bitmap.Colors.size();
  const uint32_t Bits = Colors <= 2 ? 1 : Colors <= 16 ? 4 : 8;
  const uint32_t Stride = (uint32_t(Bitmap.Width) * Bits + 31) / 32 * 4;
  const uint32_t ImageSize = Stride * uint32_t(Bitmap.Height);
  const uint32_t Offset = 14 + 40 + 4 * uint32_t(Colors);
  std::string Out = "BM";
  for (uint32_t Field :
       {Offset + ImageSize, 0u, Offset, 40u, uint32_t(Bitmap.Width), uint32_t(Bitmap.Height)})
    PutU32(Out, Field);
  PutU16(Out, 1);
  PutU16(Out, Bits);
  for (uint32_t Field : {0u, ImageSize, 2835u, 2835u, uint32_t(Colors), 0u}) PutU32(Out, Field);
  for (uint32_t Color : Bitmap.Colors) PutU32(Out, Color);
  for (int Y = Bitmap.Height - 1; Y >= 0; --Y) {
    std::string Row(Stride, '\0');
    for (int X = 0; X < Bitmap.Width; ++X) {
      const unsigned Index = Bitmap.Index.at(Bitmap.Rows[size_t(Y)][size_t(X)]);
      Row[size_t(X) * Bits / 8] |= char(Index << (8 - Bits - X * Bits % 8));
    }
    Out += Row;
  }
  return Out;
}

std::string Literal(const std::string& Data) {
  std::string Out;
  for (size_t I = 0; I < Data.size(); ++I) {
    if (I % 20 == 0) Out += I ? "\"\n    \"" : "\"";
    char Octal[5];
    std::snprintf(Octal, sizeof Octal, "\\%03o", unsigned(static_cast<unsigned char>(Data[I])));
    Out += Octal;
  }
  return Out + "\"";
}

std::string Generate(const std::map<std::string, std::string>& Resources) {
  std::string Out =
      "// Generated by scripts/resource_compiler.cpp from resources/; edit those files instead.\n"
      "#include \"framework/graphics/resources.h\"\n\n"
      "namespace framework {\n\n";
  if (Resources.empty())
    return Out + "std::span<const TResourceEntry> EmbeddedResources() {\n  return {};\n}\n\n}\n";
  Out += "namespace {\n\nconstexpr TResourceEntry Entries[] = {\n";
  for (const auto& [Name, Data] : Resources)
    Out += "  {\"" + Name + "\", std::string_view(" + Literal(Data) + ", " +
           std::to_string(Data.size()) + ")},\n";
  return Out +
         "};\n\n}  // namespace\n\n"
         "std::span<const TResourceEntry> EmbeddedResources() {\n  return Entries;\n}\n\n}\n";
}

std::string Upper(std::string S) {
  for (char& C : S)
    if (C >= 'a' && C <= 'z') C = char(C - 'a' + 'A');
  return S;
}

std::string Compile(const std::vector<std::string>& Inputs) {
  std::map<std::string, std::string> Resources;
  std::map<std::string, std::string> Seen;
  for (const std::string& Input : Inputs) {
    const TTextBitmap Bitmap = TParser(Input).Parse();
    const std::string Stem = std::filesystem::path(Input).filename().string();
    if (Stem.substr(0, Stem.find('.')) != Bitmap.Name)
      throw std::runtime_error(Input + ": the bitmap is named " + Bitmap.Name +
                               "; the file must be named after it");
    if (!Seen.emplace(Upper(Bitmap.Name), Input).second)
      throw std::runtime_error(Input + ": the name " + Bitmap.Name + " is already taken by " +
                               Seen[Upper(Bitmap.Name)]);
    Resources[Bitmap.Name] = EncodeBmp(Bitmap);
  }
  return Generate(Resources);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::cerr << "usage: resource_compiler OUTPUT.cpp INPUT.bmp.txt...\n";
    return 2;
  }
  try {
    const std::string Source = Compile(std::vector<std::string>(argv + 2, argv + argc));
    std::ofstream Output(argv[1], std::ios::binary | std::ios::trunc);
    Output << Source;
    if (!Output.flush()) throw std::runtime_error(std::string(argv[1]) + ": cannot write");
  } catch (const std::exception& Error) {
    std::cerr << "resource_compiler: " << Error.what() << "\n";
    return 1;
  }
  return 0;
}
