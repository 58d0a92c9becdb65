#pragma once

#include <memory>
#include <string>

#include "framework/classes/event.h"
#include "framework/classes/persistent.h"

namespace framework {

class TBitmap;
class TGraphic;
class TStream;

// Holds one graphic of any format (or none) and loads whichever format its data is in.
class TPicture : public TPersistent {
  DECLARE_CLASS(TPicture, TPersistent)

 public:
  TPicture();
  ~TPicture() override;

  // nullptr when the picture is empty; valid until the graphic is replaced.
  TGraphic* Graphic() const { return FGraphic.get(); }
  // Holds a copy of Value, of its class; nullptr empties the picture.
  void SetGraphic(const TGraphic* Value);
  // The graphic as a bitmap; a graphic of another kind (or none) is replaced by an empty bitmap.
  TBitmap& Bitmap();
  int Width() const;
  int Height() const;

  // The format comes from the data: a BMP, PNG or JPEG signature, else EInvalidGraphic
  // ("Unknown picture format"); nothing to read empties the picture. On an error the picture
  // keeps what it held.
  void LoadFromStream(TStream& Stream);
  void LoadFromFile(const std::string& FileName);
  // The graphic in its own format; nothing for an empty picture.
  void SaveToStream(TStream& Stream) const;

  // From a picture or a graphic (copied); nullptr empties the picture.
  void Assign(const TPersistent* Source) override;

  // Fired when the graphic is replaced and when it changes.
  TNotifyEvent OnChange;

 protected:
  // Into a graphic: it copies this picture's graphic.
  void AssignTo(TPersistent* Dest) const override;
  virtual void Changed();

 private:
  void Hold(std::unique_ptr<TGraphic> Graphic);
  void GraphicChanged(TObject* Sender);

  std::unique_ptr<TGraphic> FGraphic;
};

}  // namespace framework
