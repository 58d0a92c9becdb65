#pragma once

#include <span>
#include <string>
#include <string_view>

#include "framework/rtl/exceptions.h"

namespace framework {

// "Resource DemoGlyph not found".
class EResNotFound : public Exception {
 public:
  using Exception::Exception;
};

// A resource embedded at build time: resources/*.bmp.txt become BMP files under their names
// (resources/README.md).
struct TResourceEntry {
  std::string_view Name;
  std::string_view Data;
};

// Every embedded resource, in the order of their names; the build generates this function.
std::span<const TResourceEntry> EmbeddedResources();

// The data of the resource named Name (case of a to z ignored), or nullptr when there is none.
const std::string* FindResource(std::string_view Name);
// Raises EResNotFound when there is no such resource.
const std::string& ResourceData(std::string_view Name);

}  // namespace framework
