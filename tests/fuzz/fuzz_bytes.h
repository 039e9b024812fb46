// Reading a fuzz input from the front: whole numbers, raw floats and byte
// strings in little-endian order. A read past the end gives zeros (or fewer
// bytes), so every input, however short, describes one case.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace lumo::fuzz {

class FuzzBytes {
 public:
  FuzzBytes(const std::uint8_t *data, std::size_t size) : data_(data), size_(size) {}
  explicit FuzzBytes(std::string_view bytes)
      : FuzzBytes(reinterpret_cast<const std::uint8_t *>(bytes.data()), bytes.size()) {}

  std::size_t Left() const { return size_ - at_; }
  bool Empty() const { return at_ >= size_; }

  std::uint8_t U8() { return Empty() ? 0 : data_[at_++]; }
  std::uint16_t U16() { return Raw<std::uint16_t>(); }
  std::uint32_t U32() { return Raw<std::uint32_t>(); }
  std::int32_t I32() { return Raw<std::int32_t>(); }
  float F32() { return Raw<float>(); }
  double F64() { return Raw<double>(); }

  // Up to `n` bytes (fewer when the input ends first).
  std::string Bytes(std::size_t n) {
    n = n < Left() ? n : Left();
    std::string out(reinterpret_cast<const char *>(data_ + at_), n);
    at_ += n;
    return out;
  }
  // Everything not read yet.
  std::string Rest() { return Bytes(Left()); }

 private:
  // The bytes of a T as they lie in the input (missing bytes are zero).
  template <typename T>
  T Raw() {
    unsigned char bytes[sizeof(T)] = {};
    for (std::size_t i = 0; i < sizeof(T) && !Empty(); ++i) bytes[i] = data_[at_++];
    T value;
    std::memcpy(&value, bytes, sizeof value);
    return value;
  }

  const std::uint8_t *data_;
  std::size_t size_;
  std::size_t at_ = 0;
};

// Appending the same kinds of values, for the programs that write inputs.
class FuzzWriter {
 public:
  void U8(std::uint8_t v) { Put(v); }
  void U16(std::uint16_t v) { Put(v); }
  void U32(std::uint32_t v) { Put(v); }
  void I32(std::int32_t v) { Put(v); }
  void F32(float v) { Put(v); }
  void F64(double v) { Put(v); }
  void Bytes(std::string_view bytes) { out_.append(bytes); }
  const std::string &Text() const { return out_; }

 private:
  template <typename T>
  void Put(T v) {
    char bytes[sizeof(T)];
    std::memcpy(bytes, &v, sizeof v);
    out_.append(bytes, sizeof bytes);
  }

  std::string out_;
};

}  // namespace lumo::fuzz
