// Little-endian encoding of the three value kinds of the result files:
// int32, IEEE 754 double and one-byte flags. Values are composed with shifts
// so that the host's byte order and struct layout never matter.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

static_assert(sizeof(int) == 4, "record fields are 32-bit ints");

namespace chkrsl {
namespace io {

// The name a layout gives a field: base[i][j].part, each part optional
// (an index of -1 is absent). The byte writer and reader ignore it; the
// naming visitor reports it.
struct FieldName {
  constexpr FieldName(const char* b, int first = -1, int second = -1, const char* p = nullptr)
      : base(b), i(first), j(second), part(p) {}
  const char* base;
  int i;
  int j;
  const char* part;
};

constexpr size_t kInt32Bytes = 4;
constexpr size_t kDoubleBytes = 8;
constexpr size_t kFlagBytes = 1;

inline void EncodeFixed32(uint8_t* dst, int32_t value) {
  const uint32_t v = static_cast<uint32_t>(value);
  dst[0] = static_cast<uint8_t>(v);
  dst[1] = static_cast<uint8_t>(v >> 8);
  dst[2] = static_cast<uint8_t>(v >> 16);
  dst[3] = static_cast<uint8_t>(v >> 24);
}

inline int32_t DecodeFixed32(const uint8_t* src) {
  const uint32_t v = static_cast<uint32_t>(src[0]) | (static_cast<uint32_t>(src[1]) << 8) |
                     (static_cast<uint32_t>(src[2]) << 16) | (static_cast<uint32_t>(src[3]) << 24);
  return static_cast<int32_t>(v);
}

inline void EncodeFixed64(uint8_t* dst, uint64_t v) {
  for (int i = 0; i < 8; ++i) dst[i] = static_cast<uint8_t>(v >> (8 * i));
}

inline uint64_t DecodeFixed64(const uint8_t* src) {
  uint64_t v = 0;
  for (int i = 0; i < 8; ++i) v |= static_cast<uint64_t>(src[i]) << (8 * i);
  return v;
}

inline void EncodeDouble(uint8_t* dst, double value) {
  uint64_t bits;
  std::memcpy(&bits, &value, sizeof bits);
  EncodeFixed64(dst, bits);
}

inline double DecodeDouble(const uint8_t* src) {
  const uint64_t bits = DecodeFixed64(src);
  double value;
  std::memcpy(&value, &bits, sizeof value);
  return value;
}

// Appends encoded values to a growing byte buffer.
class ByteWriter {
 public:
  explicit ByteWriter(size_t expected = 0) { bytes_.reserve(expected); }

  ByteWriter& I32(int32_t v) {
    uint8_t* p = Grow(kInt32Bytes);
    EncodeFixed32(p, v);
    return *this;
  }
  ByteWriter& F64(double v) {
    uint8_t* p = Grow(kDoubleBytes);
    EncodeDouble(p, v);
    return *this;
  }
  ByteWriter& U8(uint8_t v) {
    bytes_.push_back(v);
    return *this;
  }
  ByteWriter& I32s(const int32_t* v, size_t n) {
    for (size_t i = 0; i < n; ++i) I32(v[i]);
    return *this;
  }
  ByteWriter& F64s(const double* v, size_t n) {
    for (size_t i = 0; i < n; ++i) F64(v[i]);
    return *this;
  }
  ByteWriter& U8s(const uint8_t* v, size_t n) {
    bytes_.insert(bytes_.end(), v, v + n);
    return *this;
  }

  // Field/Fields let one layout function serve both writing and reading.
  ByteWriter& Field(const int32_t& v) { return I32(v); }
  ByteWriter& Field(const double& v) { return F64(v); }
  ByteWriter& Field(const uint8_t& v) { return U8(v); }
  ByteWriter& Fields(const int32_t* v, size_t n) { return I32s(v, n); }
  ByteWriter& Fields(const double* v, size_t n) { return F64s(v, n); }
  ByteWriter& Fields(const uint8_t* v, size_t n) { return U8s(v, n); }

  // Named forms for the layouts; the names cost nothing here.
  template <class T>
  ByteWriter& Field(const FieldName&, const T& v) {
    return Field(v);
  }
  // Elements first .. first+n-1 of array `a`, named name[first], ...
  template <class T, size_t N>
  ByteWriter& Fields(const char*, const T (&a)[N], size_t first, size_t n) {
    static_assert(N > 0, "array field");
    return Fields(a + first, n);
  }
  // Brackets a nested sub-record or item; nothing to write.
  ByteWriter& Enter(const FieldName&) { return *this; }
  ByteWriter& Leave() { return *this; }

  size_t size() const { return bytes_.size(); }
  const uint8_t* data() const { return bytes_.data(); }
  const std::vector<uint8_t>& bytes() const { return bytes_; }

 private:
  uint8_t* Grow(size_t n) {
    const size_t old = bytes_.size();
    bytes_.resize(old + n);
    return bytes_.data() + old;
  }
  std::vector<uint8_t> bytes_;
};

// Decodes values in order from a byte range. A value that the range does not
// hold whole is not stored: its destination keeps what it had, and ok()
// turns false for good. So a short block fills exactly the fields it reaches.
class ByteReader {
 public:
  ByteReader(const uint8_t* data, size_t size) : p_(data), left_(size) {}

  ByteReader& I32(int32_t& out) {
    if (Take(kInt32Bytes)) out = DecodeFixed32(p_ - kInt32Bytes);
    return *this;
  }
  ByteReader& F64(double& out) {
    if (Take(kDoubleBytes)) out = DecodeDouble(p_ - kDoubleBytes);
    return *this;
  }
  ByteReader& U8(uint8_t& out) {
    if (Take(kFlagBytes)) out = p_[-1];
    return *this;
  }
  ByteReader& I32s(int32_t* out, size_t n) {
    for (size_t i = 0; i < n; ++i) I32(out[i]);
    return *this;
  }
  ByteReader& F64s(double* out, size_t n) {
    for (size_t i = 0; i < n; ++i) F64(out[i]);
    return *this;
  }
  ByteReader& U8s(uint8_t* out, size_t n) {
    for (size_t i = 0; i < n; ++i) U8(out[i]);
    return *this;
  }
  ByteReader& Skip(size_t n) {
    Take(n);
    return *this;
  }

  ByteReader& Field(int32_t& v) { return I32(v); }
  ByteReader& Field(double& v) { return F64(v); }
  ByteReader& Field(uint8_t& v) { return U8(v); }
  ByteReader& Fields(int32_t* v, size_t n) { return I32s(v, n); }
  ByteReader& Fields(double* v, size_t n) { return F64s(v, n); }
  ByteReader& Fields(uint8_t* v, size_t n) { return U8s(v, n); }

  template <class T>
  ByteReader& Field(const FieldName&, T& v) {
    return Field(v);
  }
  template <class T, size_t N>
  ByteReader& Fields(const char*, T (&a)[N], size_t first, size_t n) {
    return Fields(a + first, n);
  }
  ByteReader& Enter(const FieldName&) { return *this; }
  ByteReader& Leave() { return *this; }

  bool ok() const { return ok_; }
  size_t remaining() const { return left_; }

 private:
  bool Take(size_t n) {
    if (!ok_ || left_ < n) {
      ok_ = false;
      return false;
    }
    p_ += n;
    left_ -= n;
    return true;
  }
  const uint8_t* p_;
  size_t left_;
  bool ok_ = true;
};

}  // namespace io
}  // namespace chkrsl
