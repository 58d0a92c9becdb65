#include "framework/graphics/picture.h"

#include <string_view>

#include "framework/classes/file_stream.h"
#include "framework/graphics/bitmap.h"
#include "framework/graphics/jpeg_image.h"
#include "framework/graphics/png_image.h"

namespace framework {

namespace {

struct TPictureFormat {
  std::string_view Signature;
  std::unique_ptr<TGraphic> (*Create)();
};

template <class TFormat>
std::unique_ptr<TGraphic> Create() {
  return std::make_unique<TFormat>();
}

constexpr TPictureFormat Formats[] = {
    {"BM", Create<TBitmap>},
    {"\x89PNG\r\n\x1a\n", Create<TPngImage>},
    {"\xFF\xD8", Create<TJPEGImage>},
};

constexpr size_t LongestSignature = 8;

std::unique_ptr<TGraphic> CreateFor(std::string_view Head) {
  for (const TPictureFormat& Format : Formats)
    if (Head.starts_with(Format.Signature)) return Format.Create();
  throw EInvalidGraphic("Unknown picture format");
}

}  // namespace

const TClass& TPicture::StaticClass() {
  return TClass::Describe<TPicture>("TPicture");
}

TPicture::TPicture() = default;

TPicture::~TPicture() = default;

void TPicture::SetGraphic(const TGraphic* Value) {
  if (!Value) return Hold(nullptr);
  std::unique_ptr<TGraphic> Copy = Value->CreateBlank();
  Copy->Assign(Value);
  Hold(std::move(Copy));
}

TBitmap& TPicture::Bitmap() {
  if (!dynamic_cast<TBitmap*>(FGraphic.get())) Hold(std::make_unique<TBitmap>());
  return static_cast<TBitmap&>(*FGraphic);
}

int TPicture::Width() const {
  return FGraphic ? FGraphic->Width() : 0;
}

int TPicture::Height() const {
  return FGraphic ? FGraphic->Height() : 0;
}

void TPicture::LoadFromStream(TStream& Stream) {
  const int64_t Start = Stream.Position();
  char Head[LongestSignature];
  const int64_t Count = Stream.Read(Head, sizeof Head);
  Stream.SetPosition(Start);
  if (Count <= 0) return Hold(nullptr);
  std::unique_ptr<TGraphic> Graphic = CreateFor(std::string_view(Head, size_t(Count)));
  Graphic->LoadFromStream(Stream);
  Hold(std::move(Graphic));
}

void TPicture::LoadFromFile(const std::string& FileName) {
  TFileStream File(FileName, fmOpenRead);
  LoadFromStream(File);
}

void TPicture::SaveToStream(TStream& Stream) const {
  if (FGraphic) FGraphic->SaveToStream(Stream);
}

void TPicture::Assign(const TPersistent* Source) {
  if (!Source) return SetGraphic(nullptr);
  if (const auto* Picture = dynamic_cast<const TPicture*>(Source)) {
    if (Picture != this) SetGraphic(Picture->Graphic());
  } else if (const auto* Graphic = dynamic_cast<const TGraphic*>(Source)) {
    SetGraphic(Graphic);
  } else {
    TPersistent::Assign(Source);
  }
}

void TPicture::AssignTo(TPersistent* Dest) const {
  if (auto* Graphic = dynamic_cast<TGraphic*>(Dest))
    Graphic->Assign(FGraphic.get());
  else
    TPersistent::AssignTo(Dest);
}

void TPicture::Changed() {
  if (OnChange) OnChange(this);
}

void TPicture::Hold(std::unique_ptr<TGraphic> Graphic) {
  FGraphic = std::move(Graphic);
  if (FGraphic) FGraphic->OnChange = TNotifyEvent(this, &TPicture::GraphicChanged);
  Changed();
}

void TPicture::GraphicChanged(TObject*) {
  Changed();
}

}  // namespace framework
