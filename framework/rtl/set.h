#pragma once

#include <cstdint>
#include <initializer_list>
#include <type_traits>

namespace framework {

// A set of the values of an unscoped enumeration with at most 64 values, as a bit mask: bit n
// holds the value n. TShiftState, TComponentState and the option sets of the controls are TSets.
template <class E>
class TSet {
  static_assert(std::is_enum_v<E>);

 public:
  constexpr TSet() = default;
  constexpr TSet(std::initializer_list<E> Values) {
    for (E Value : Values) Include(Value);
  }
  static constexpr TSet FromBits(uint64_t Bits) {
    TSet Result;
    Result.FBits = Bits;
    return Result;
  }

  constexpr uint64_t Bits() const { return FBits; }
  constexpr bool Contains(E Value) const { return FBits & Bit(Value); }
  constexpr bool Empty() const { return FBits == 0; }
  constexpr TSet& Include(E Value) {
    FBits |= Bit(Value);
    return *this;
  }
  constexpr TSet& Exclude(E Value) {
    FBits &= ~Bit(Value);
    return *this;
  }

  constexpr TSet operator+(TSet Other) const { return FromBits(FBits | Other.FBits); }
  constexpr TSet operator-(TSet Other) const { return FromBits(FBits & ~Other.FBits); }
  constexpr TSet operator*(TSet Other) const { return FromBits(FBits & Other.FBits); }
  constexpr bool operator==(const TSet&) const = default;

 private:
  static constexpr uint64_t Bit(E Value) { return uint64_t(1) << static_cast<unsigned>(Value); }

  uint64_t FBits = 0;
};

}  // namespace framework
