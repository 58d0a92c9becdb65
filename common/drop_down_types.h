#pragma once

#include <cstdint>

#include "framework/classes/event.h"
#include "framework/classes/type_info.h"

// What the library's drop-down controls (the date edit and the incremental combos) share.
namespace tarvex {

using framework::TObject;
using framework::TTypeInfo;

// When a control drops down by itself: never, on entering, or on the first change.
enum TAutoDropDown : uint8_t { adNever, adFocused, adChanged };
const TTypeInfo& EnumTypeInfo(TAutoDropDown);

// Why a drop-down opens.
enum TDropDownState : uint8_t { dsChanged, dsFocused, dsUserAction };
const TTypeInfo& EnumTypeInfo(TDropDownState);

using TDropDownEvent = framework::TEvent<void(TObject* Sender, TDropDownState State)>;

// Where a drop-down is placed relative to its control.
enum TDropDownAlignHorizontally : uint8_t { daLeft, daRight };
const TTypeInfo& EnumTypeInfo(TDropDownAlignHorizontally);
enum TDropDownAlignVertically : uint8_t { daTop, daBottom };
const TTypeInfo& EnumTypeInfo(TDropDownAlignVertically);

}  // namespace tarvex
