// Fixed-size, length-prefixed text as it lies in the scenario record and the
// painting schedule: one length byte followed by N character bytes in the
// Windows-1252 character set. Bytes beyond the length are kept as they are.
//
// The rest of the program works with UTF-8 std::string; the conversions
// between the two live here and nowhere else.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "lumo_errors.h"

namespace lumo {

// Windows-1252 bytes to UTF-8. Every byte maps to a character (the five
// bytes the code page leaves unassigned map to the control characters
// U+0081, U+008D, U+008F, U+0090 and U+009D), so no text is lost.
std::string Cp1252ToUtf8(std::string_view bytes);

// UTF-8 to Windows-1252 bytes; the inverse of Cp1252ToUtf8. Throws
// ETextError for text that is not valid UTF-8 or holds a character the code
// page lacks.
std::string Utf8ToCp1252(std::string_view utf8);

// The number of characters (code points) in a UTF-8 text, counting every
// byte that does not continue a character.
std::size_t Utf8Length(std::string_view utf8);

// The first `maxChars` characters of a UTF-8 text (never splits a character).
std::string Utf8Prefix(std::string_view utf8, std::size_t maxChars);

// string[N]: a length byte and N character bytes; alignment 1, no padding.
template <std::size_t N>
struct ShortString {
  static_assert(N >= 1 && N <= 255, "a length byte holds at most 255");
  static constexpr std::size_t kCapacity = N;

  std::uint8_t Length;
  char Chars[N];

  // The stored bytes (Windows-1252). A length byte above N, possible only in
  // a damaged file, is read as N.
  std::string Bytes() const {
    std::size_t n = Length <= N ? Length : N;
    return std::string(Chars, n);
  }

  // Stores raw Windows-1252 bytes; throws ETextError when there are more
  // than N. Bytes beyond the new length are left as they were.
  void SetBytes(std::string_view bytes) {
    if (bytes.size() > N) {
      throw ETextError("The text \"" + Cp1252ToUtf8(bytes.substr(0, 40)) + "...\" is " +
                       std::to_string(bytes.size()) + " characters long; at most " +
                       std::to_string(N) + " can be stored");
    }
    if (!bytes.empty()) std::memmove(Chars, bytes.data(), bytes.size());
    Length = static_cast<std::uint8_t>(bytes.size());
  }

  // The text as UTF-8.
  std::string Text() const { return Cp1252ToUtf8(Bytes()); }

  // Stores a UTF-8 text; throws ETextError (and changes nothing) when it is
  // longer than N characters or cannot be written in Windows-1252.
  void SetText(std::string_view utf8) { SetBytes(Utf8ToCp1252(utf8)); }

  // Whether a UTF-8 text can be stored by SetText.
  static bool Fits(std::string_view utf8) {
    try {
      return Utf8ToCp1252(utf8).size() <= N;
    } catch (const ETextError &) {
      return false;
    }
  }
};

}  // namespace lumo
