#pragma once

#include <string>
#include <string_view>

#include "framework/classes/persistent.h"

namespace framework {

class TReader;
class TStream;
class TWriter;

// A list of strings, whatever holds them: a string list's vector, a list box's window. A class
// below provides Get, GetCount, Insert, Delete and Clear; the rest is built on those. Index
// errors raise EStringListError ("List index out of bounds (7)").
class TStrings : public TPersistent {
  DECLARE_CLASS(TStrings, TPersistent)

 public:
  int Count() const { return GetCount(); }
  std::string Strings(int Index) const { return Get(Index); }
  void SetStrings(int Index, const std::string& S) { Put(Index, S); }

  // Returns the index the string went to; the default appends it.
  virtual int Add(const std::string& S);
  virtual void Insert(int Index, const std::string& S) = 0;
  virtual void Delete(int Index) = 0;
  virtual void Clear() = 0;
  virtual void Exchange(int Index1, int Index2);
  // The first index whose string equals S, ignoring letter case as the locale does; -1 if none.
  virtual int IndexOf(std::string_view S) const;
  void AddStrings(const TStrings& Strings);
  // Copies the strings of another TStrings; assigning a list to itself leaves it as it is.
  void Assign(const TPersistent* Source) override;
  // The same count and the same strings, letter case included.
  bool Equals(const TStrings& Strings) const;

  // Every string followed by CR LF.
  std::string Text() const;
  // One string per line; a line ends at CR, LF or CR LF, and a final line break adds no empty
  // string.
  void SetText(std::string_view Value);

  // Nested; SetUpdateState hears only the first BeginUpdate and the last EndUpdate.
  void BeginUpdate();
  void EndUpdate();

  // The Text, byte for byte. Loading reads from the stream's position to its end; a failed load
  // leaves the strings as they were.
  void LoadFromStream(TStream& Stream);
  void SaveToStream(TStream& Stream) const;
  void LoadFromFile(const std::string& FileName);
  void SaveToFile(const std::string& FileName) const;

 protected:
  virtual std::string Get(int Index) const = 0;
  virtual int GetCount() const = 0;
  // The default deletes the string and inserts S in its place.
  virtual void Put(int Index, const std::string& S);
  virtual void SetUpdateState(bool Updating);
  // Streams the strings as the list property "Strings".
  void DefineProperties(TFiler& Filer) override;

  int UpdateCount() const { return FUpdateCount; }
  [[noreturn]] static void IndexError(int Index);

 private:
  void ReadData(TReader& Reader);
  void WriteData(TWriter& Writer) const;

  int FUpdateCount = 0;
};

}  // namespace framework
