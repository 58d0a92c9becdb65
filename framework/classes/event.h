#pragma once

#include <any>
#include <array>
#include <cstddef>
#include <cstring>
#include <functional>
#include <memory>
#include <type_traits>
#include <utility>

namespace framework {

class TObject;

// Who an event handler is: the object it is bound to and the code it runs. Two handlers are the
// same handler when both agree, so that a setter can tell a new handler from the one it has.
struct TMethodIdentity {
  const void* Data = nullptr;
  std::array<std::byte, 16> Code{};
  bool operator==(const TMethodIdentity&) const = default;
};

// A method-pointer event of signature R(Args...): empty, a member function bound to an object,
// or any callable (a lambda). Copies share the callable and compare equal.
template <class Signature>
class TEvent;

template <class R, class... Args>
class TEvent<R(Args...)> {
 public:
  TEvent() = default;
  TEvent(std::nullptr_t) {}

  template <class C, class Method>
  requires std::is_member_function_pointer_v<Method> TEvent(C* Object, Method Code)
      : FCall(std::make_shared<const std::function<R(Args...)>>(
            [Object, Code](Args... A) -> R { return (Object->*Code)(std::forward<Args>(A)...); })) {
    static_assert(sizeof(Method) <= sizeof(TMethodIdentity::Code));
    FIdentity.Data = Object;
    std::memcpy(FIdentity.Code.data(), &Code, sizeof(Method));
  }

  template <class F>
  requires(!std::is_same_v<std::decay_t<F>, TEvent> &&
           !std::is_same_v<std::decay_t<F>, std::nullptr_t> &&
           std::is_invocable_r_v<R, F&, Args...>) TEvent(F Function)
      : FCall(std::make_shared<const std::function<R(Args...)>>(std::move(Function))) {
    FIdentity.Data = FCall.get();
  }

  explicit operator bool() const { return FCall != nullptr; }
  R operator()(Args... A) const { return (*FCall)(std::forward<Args>(A)...); }

  const TMethodIdentity& Identity() const { return FIdentity; }
  bool operator==(const TEvent& Other) const { return FIdentity == Other.FIdentity; }
  bool operator==(std::nullptr_t) const { return FCall == nullptr; }

 private:
  std::shared_ptr<const std::function<R(Args...)>> FCall;
  TMethodIdentity FIdentity;
};

using TNotifyEvent = TEvent<void(TObject* Sender)>;

// An event of any signature, as the property RTTI hands it around: its identity and the typed
// TEvent itself (empty for no handler).
struct TMethod {
  TMethodIdentity Identity;
  std::any Event;

  template <class Signature>
  static TMethod Of(const TEvent<Signature>& Event) {
    return Event ? TMethod{Event.Identity(), Event} : TMethod{};
  }
  bool Assigned() const { return Event.has_value(); }
};

}  // namespace framework
