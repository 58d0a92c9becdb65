#include "framework/win/window_class.h"

#include <map>
#include <memory>

#include "framework/rtl/string_functions.h"
#include "framework/win/desktop.h"
#include "framework/win/system_classes.h"

namespace framework {

namespace {

std::string ClassKey(const std::string& Name) {
  return UpperCase(Name);
}

using TClassMap = std::map<std::string, std::shared_ptr<const TWndClass>>;

TClassMap& Classes() {
  static TClassMap Registered = [] {
    TClassMap System;
    for (const TWndClass& Class : SystemWindowClasses())
      System.emplace(ClassKey(Class.lpszClassName), std::make_shared<TWndClass>(Class));
    return System;
  }();
  return Registered;
}

}  // namespace

std::shared_ptr<const TWndClass> FindWindowClass(const std::string& ClassName) {
  const auto Found = Classes().find(ClassKey(ClassName));
  return Found == Classes().end() ? nullptr : Found->second;
}

bool RegisterClass(const TWndClass& Class) {
  if (Class.lpszClassName.empty() || !Class.lpfnWndProc) return false;
  return Classes()
      .emplace(ClassKey(Class.lpszClassName), std::make_shared<TWndClass>(Class))
      .second;
}

bool UnregisterClass(const std::string& ClassName) {
  const auto Found = Classes().find(ClassKey(ClassName));
  if (Found == Classes().end()) return false;
  for (const auto& [Handle, Window] : Desktop().Windows)
    if (Window->Class == Found->second) return false;
  Classes().erase(Found);
  return true;
}

bool GetClassInfo(const std::string& ClassName, TWndClass& Class) {
  const auto Found = FindWindowClass(ClassName);
  if (!Found) return false;
  Class = *Found;
  return true;
}

}  // namespace framework
