#pragma once

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace framework {

// The text of an edit control, its selection and its one level of undo, without a window.
// Positions are byte offsets from 0 to Length(). The selection runs from the anchor to the
// caret, either way round. Multi-line text breaks its lines at CR LF, and no position falls
// between the two.
class TEditText {
 public:
  // How a change is remembered for undo: not at all (which forgets the change before it too),
  // as a change of its own, or merged with the typing just before, so that undo takes back a
  // typed run whole.
  enum TUndoMode : uint8_t { umNone, umSeparate, umTyping };

  static constexpr int MaxLimit = 0x7FFFFFFE;

  const std::string& Text() const { return FText; }
  int Length() const { return int(FText.size()); }
  // Replaces the whole text: the caret at 0, no selection, nothing to undo.
  void SetText(std::string Text);

  bool Multiline() const { return FMultiline; }
  void SetMultiline(bool Value);

  int Anchor() const { return FAnchor; }
  int Caret() const { return FCaret; }
  int SelStart() const { return std::min(FAnchor, FCaret); }
  int SelEnd() const { return std::max(FAnchor, FCaret); }
  bool HasSelection() const { return FAnchor != FCaret; }
  std::string SelText() const;
  // Both ends are kept inside the text and off the middle of a line break. Ends a typed run.
  void Select(int Anchor, int Caret);

  // The longest text the user may give; Room is what still fits in place of the selection.
  int Limit() const { return FLimit; }
  void SetLimit(int Value);
  int Room() const;

  // Replaces Start..End (kept inside the text) with Text and puts the caret after it.
  void Replace(int Start, int End, std::string_view Text, TUndoMode Mode);
  void ReplaceSelection(std::string_view Text, TUndoMode Mode) {
    Replace(SelStart(), SelEnd(), Text, Mode);
  }
  // Swaps the text with the last remembered change, so that a second undo redoes it; the text
  // put back is selected. False when nothing is remembered.
  bool Undo();
  bool CanUndo() const { return FUndo.has_value(); }
  void EmptyUndoBuffer();

  // One character left or right (a line break is one); by word: to the start of the word
  // before, or of the next word. Words are runs of characters other than blanks.
  int CharLeft(int Pos) const;
  int CharRight(int Pos) const;
  int WordLeft(int Pos) const;
  int WordRight(int Pos) const;
  // The run of word characters, or of blanks, at Pos (the one before Pos at the end of the
  // text).
  void WordAt(int Pos, int& Start, int& End) const;

  // Single-line text is one line, whatever it holds.
  int LineCount() const { return int(FLineStarts.size()); }
  int LineOf(int Pos) const;
  int LineStart(int Line) const;
  // The position before the line's break, or the end of the text.
  int LineEnd(int Line) const;

 private:
  // The text now at Start..Start+Inserted was Removed before the change.
  struct TUndo {
    int Start = 0;
    std::string Inserted;
    std::string Removed;
  };

  int Clamp(int Pos) const;
  bool InsideBreak(int Pos) const;
  bool MergesWithTyping(int Start, int End) const;
  void FindLines();

  std::string FText;
  int FAnchor = 0;
  int FCaret = 0;
  int FLimit = MaxLimit;
  bool FMultiline = false;
  bool FTyping = false;
  std::optional<TUndo> FUndo;
  std::vector<int> FLineStarts{0};
};

}  // namespace framework
