#include "framework/rtl/exceptions.h"

namespace framework {

void Abort() {
  throw EAbort("Operation aborted");
}

}  // namespace framework
