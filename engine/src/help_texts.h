// The help texts shown on the program's help buttons, by index 0 … 25. The
// texts belong to the library and live as long as it is loaded.
#pragma once

#include <cstdint>

namespace lumo {

inline constexpr int32_t kHelpTextCount = 26;

// The text for index; the empty text for any index outside 0 … 25.
const char *helpText(int32_t index);

}  // namespace lumo
