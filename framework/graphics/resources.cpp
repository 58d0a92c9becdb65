#include "framework/graphics/resources.h"

#include <map>

#include "framework/rtl/string_functions.h"

namespace framework {

namespace {

// The resources by their upper-cased names; the resource compiler refuses names that differ
// only in case.
const std::map<std::string, std::string, std::less<>>& ResourceMap() {
  static const std::map<std::string, std::string, std::less<>> Map = [] {
    std::map<std::string, std::string, std::less<>> Result;
    for (const TResourceEntry& Entry : EmbeddedResources())
      Result.emplace(UpperCase(Entry.Name), std::string(Entry.Data));
    return Result;
  }();
  return Map;
}

}  // namespace

const std::string* FindResource(std::string_view Name) {
  const auto& Map = ResourceMap();
  const auto Found = Map.find(UpperCase(Name));
  return Found == Map.end() ? nullptr : &Found->second;
}

const std::string& ResourceData(std::string_view Name) {
  const std::string* Data = FindResource(Name);
  if (!Data) throw EResNotFound("Resource " + std::string(Name) + " not found");
  return *Data;
}

}  // namespace framework
