// Safe access to the lists of a TransferRecord: a list whose count is not
// positive or whose address is null reads as empty.
#pragma once

#include <cstdint>
#include <span>

namespace lumo {

template <class T>
std::span<const T> entriesOf(int32_t count, const T *list) {
  if (count <= 0 || list == nullptr) return {};
  return {list, static_cast<std::size_t>(count)};
}

// A list is readable when its count is not negative and a positive count
// comes with an address.
inline bool isReadable(int32_t count, const void *list) {
  return count >= 0 && (count == 0 || list != nullptr);
}

}  // namespace lumo
