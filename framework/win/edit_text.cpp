#include "framework/win/edit_text.h"

#include <algorithm>

namespace framework {

namespace {

bool IsBlank(char Ch) {
  return static_cast<unsigned char>(Ch) <= ' ';
}

}  // namespace

void TEditText::SetText(std::string Text) {
  FText = std::move(Text);
  FAnchor = FCaret = 0;
  FTyping = false;
  FUndo.reset();
  FindLines();
}

void TEditText::SetMultiline(bool Value) {
  if (FMultiline == Value) return;
  FMultiline = Value;
  FindLines();
  Select(FAnchor, FCaret);
}

std::string TEditText::SelText() const {
  return FText.substr(size_t(SelStart()), size_t(SelEnd() - SelStart()));
}

void TEditText::Select(int Anchor, int Caret) {
  FAnchor = Clamp(Anchor);
  FCaret = Clamp(Caret);
  FTyping = false;
}

void TEditText::SetLimit(int Value) {
  FLimit = std::clamp(Value, 0, MaxLimit);
}

int TEditText::Room() const {
  return std::max(0, FLimit - (Length() - (SelEnd() - SelStart())));
}

bool TEditText::MergesWithTyping(int Start, int End) const {
  if (!FTyping || !FUndo) return false;
  const int InsertedEnd = FUndo->Start + int(FUndo->Inserted.size());
  return Start <= InsertedEnd && End >= FUndo->Start;
}

void TEditText::Replace(int Start, int End, std::string_view Text, TUndoMode Mode) {
  Start = Clamp(Start);
  End = std::max(Start, Clamp(End));
  if (Mode == umTyping && MergesWithTyping(Start, End)) {
    // One change covering both: From..To of the text now, as it was before the first.
    TUndo& U = *FUndo;
    const int InsertedEnd = U.Start + int(U.Inserted.size());
    const int From = std::min(Start, U.Start), To = std::max(End, InsertedEnd);
    std::string Before = FText.substr(size_t(From), size_t(U.Start - From)) + U.Removed +
                         FText.substr(size_t(InsertedEnd), size_t(To - InsertedEnd));
    std::string After = FText.substr(size_t(From), size_t(Start - From)) + std::string(Text) +
                        FText.substr(size_t(End), size_t(To - End));
    U = {From, std::move(After), std::move(Before)};
  } else if (Mode != umNone) {
    FUndo = TUndo{Start, std::string(Text), FText.substr(size_t(Start), size_t(End - Start))};
  } else {
    // The remembered change's positions would not fit the text any more.
    FUndo.reset();
  }
  FText.replace(size_t(Start), size_t(End - Start), Text);
  FAnchor = FCaret = Start + int(Text.size());
  FTyping = Mode == umTyping;
  FindLines();
}

bool TEditText::Undo() {
  if (!FUndo) return false;
  TUndo& U = *FUndo;
  FText.replace(size_t(U.Start), U.Inserted.size(), U.Removed);
  std::swap(U.Inserted, U.Removed);
  FAnchor = U.Start;
  FCaret = U.Start + int(U.Inserted.size());
  FTyping = false;
  FindLines();
  return true;
}

void TEditText::EmptyUndoBuffer() {
  FUndo.reset();
  FTyping = false;
}

int TEditText::CharLeft(int Pos) const {
  Pos = Clamp(Pos);
  if (Pos == 0) return 0;
  return InsideBreak(Pos - 1) ? Pos - 2 : Pos - 1;
}

int TEditText::CharRight(int Pos) const {
  Pos = Clamp(Pos);
  if (Pos == Length()) return Pos;
  return InsideBreak(Pos + 1) ? Pos + 2 : Pos + 1;
}

int TEditText::WordLeft(int Pos) const {
  Pos = Clamp(Pos);
  while (Pos > 0 && IsBlank(FText[size_t(Pos - 1)])) --Pos;
  while (Pos > 0 && !IsBlank(FText[size_t(Pos - 1)])) --Pos;
  return Pos;
}

int TEditText::WordRight(int Pos) const {
  Pos = Clamp(Pos);
  while (Pos < Length() && !IsBlank(FText[size_t(Pos)])) ++Pos;
  while (Pos < Length() && IsBlank(FText[size_t(Pos)])) ++Pos;
  return Clamp(Pos);
}

void TEditText::WordAt(int Pos, int& Start, int& End) const {
  Pos = Clamp(Pos);
  Start = End = Pos;
  if (FText.empty()) return;
  const int At = Pos == Length() ? Pos - 1 : Pos;
  const bool Blank = IsBlank(FText[size_t(At)]);
  Start = At;
  while (Start > 0 && IsBlank(FText[size_t(Start - 1)]) == Blank) --Start;
  End = At + 1;
  while (End < Length() && IsBlank(FText[size_t(End)]) == Blank) ++End;
  Start = Clamp(Start);
  End = Clamp(End);
}

int TEditText::LineOf(int Pos) const {
  const auto After = std::upper_bound(FLineStarts.begin(), FLineStarts.end(), Clamp(Pos));
  return int(After - FLineStarts.begin()) - 1;
}

int TEditText::LineStart(int Line) const {
  return FLineStarts[size_t(std::clamp(Line, 0, LineCount() - 1))];
}

int TEditText::LineEnd(int Line) const {
  Line = std::clamp(Line, 0, LineCount() - 1);
  return Line + 1 < LineCount() ? FLineStarts[size_t(Line + 1)] - 2 : Length();
}

int TEditText::Clamp(int Pos) const {
  Pos = std::clamp(Pos, 0, Length());
  return InsideBreak(Pos) ? Pos - 1 : Pos;
}

bool TEditText::InsideBreak(int Pos) const {
  return FMultiline && Pos > 0 && Pos < Length() && FText[size_t(Pos - 1)] == '\r' &&
         FText[size_t(Pos)] == '\n';
}

void TEditText::FindLines() {
  FLineStarts.assign(1, 0);
  if (!FMultiline) return;
  for (size_t Found = FText.find("\r\n"); Found != std::string::npos;
       Found = FText.find("\r\n", Found + 2))
    FLineStarts.push_back(int(Found + 2));
}

}  // namespace framework
