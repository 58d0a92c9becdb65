#pragma once

#include "framework/classes/object.h"

namespace framework {

class TFiler;

// An object with published properties that can be copied from another (Assign) and streamed.
class TPersistent : public TObject {
  DECLARE_CLASS(TPersistent, TObject)

 public:
  // Copies Source into this object. The default asks Source to AssignTo this object, and raises
  // EConvertError ("Cannot assign a TFoo to a TBar") when neither side knows the other.
  virtual void Assign(const TPersistent* Source);

 protected:
  virtual void AssignTo(TPersistent* Dest) const;
  // Lets a class stream data that is not a published property (a string list's lines, a
  // bitmap's bits) through Filer's DefineProperty.
  virtual void DefineProperties(TFiler& Filer);

  friend class TReader;
  friend class TWriter;
};

}  // namespace framework
