// Little-endian encoding of the three value kinds of the result files:
// int32, IEEE 754 double and one-byte flags. Values are composed with shifts
// so that the host's byte order and struct layout never matter.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
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

// On a little-endian host the file's bytes are the value's own bytes, and a
// copy compiles to one store; elsewhere the shifts compose them.
#if defined(_WIN32) || (defined(__BYTE_ORDER__) && __BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__)
#define CHKRSL_LITTLE_ENDIAN_HOST 1
#else
#define CHKRSL_LITTLE_ENDIAN_HOST 0
#endif

inline void EncodeFixed32(uint8_t* dst, int32_t value) {
#if CHKRSL_LITTLE_ENDIAN_HOST
  std::memcpy(dst, &value, sizeof value);
#else
  const uint32_t v = static_cast<uint32_t>(value);
  dst[0] = static_cast<uint8_t>(v);
  dst[1] = static_cast<uint8_t>(v >> 8);
  dst[2] = static_cast<uint8_t>(v >> 16);
  dst[3] = static_cast<uint8_t>(v >> 24);
#endif
}

inline int32_t DecodeFixed32(const uint8_t* src) {
  const uint32_t v = static_cast<uint32_t>(src[0]) | (static_cast<uint32_t>(src[1]) << 8) |
                     (static_cast<uint32_t>(src[2]) << 16) | (static_cast<uint32_t>(src[3]) << 24);
  return static_cast<int32_t>(v);
}

inline void EncodeFixed64(uint8_t* dst, uint64_t v) {
#if CHKRSL_LITTLE_ENDIAN_HOST
  std::memcpy(dst, &v, sizeof v);
#else
  for (int i = 0; i < 8; ++i) dst[i] = static_cast<uint8_t>(v >> (8 * i));
#endif
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

// Appends encoded values to a byte buffer. A block of up to kInlineBytes
// (every fixed block of the records) is encoded on the stack; larger ones
// move to the heap, growing by doubling. Each value is one bounds check and
// one store, so encoding a record costs about what copying its bytes does.
class ByteWriter {
 public:
  static constexpr size_t kInlineBytes = 4096;

  explicit ByteWriter(size_t expected = 0) {
    if (expected > kInlineBytes) Reallocate(expected);
  }
  ByteWriter(const ByteWriter&) = delete;
  ByteWriter& operator=(const ByteWriter&) = delete;

  ByteWriter& I32(int32_t v) {
    EncodeFixed32(Room(kInt32Bytes), v);
    end_ += kInt32Bytes;
    return *this;
  }
  ByteWriter& F64(double v) {
    EncodeDouble(Room(kDoubleBytes), v);
    end_ += kDoubleBytes;
    return *this;
  }
  ByteWriter& U8(uint8_t v) {
    *Room(kFlagBytes) = v;
    end_ += kFlagBytes;
    return *this;
  }
  ByteWriter& I32s(const int32_t* v, size_t n) {
    uint8_t* p = Room(n * kInt32Bytes);
    for (size_t i = 0; i < n; ++i) EncodeFixed32(p + i * kInt32Bytes, v[i]);
    end_ += n * kInt32Bytes;
    return *this;
  }
  ByteWriter& F64s(const double* v, size_t n) {
    uint8_t* p = Room(n * kDoubleBytes);
    for (size_t i = 0; i < n; ++i) EncodeDouble(p + i * kDoubleBytes, v[i]);
    end_ += n * kDoubleBytes;
    return *this;
  }
  ByteWriter& U8s(const uint8_t* v, size_t n) {
    if (n > 0) std::memcpy(Room(n), v, n);
    end_ += n;
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

  // Overwrites an int32 already written at offset `at` (a length known
  // only once what it counts is encoded).
  void PatchI32(size_t at, int32_t v) {
    if (at + kInt32Bytes <= size()) EncodeFixed32(begin_ + at, v);
  }

  size_t size() const { return static_cast<size_t>(end_ - begin_); }
  const uint8_t* data() const { return begin_; }
  std::vector<uint8_t> bytes() const { return std::vector<uint8_t>(begin_, end_); }

 private:
  // Where the next n bytes go; the caller advances end_ after storing them.
  uint8_t* Room(size_t n) {
    if (static_cast<size_t>(limit_ - end_) < n) Reallocate(2 * size() + n);
    return end_;
  }
  void Reallocate(size_t capacity) {
    std::unique_ptr<uint8_t[]> bigger(new uint8_t[capacity]);
    const size_t used = size();
    if (used > 0) std::memcpy(bigger.get(), begin_, used);
    heap_ = std::move(bigger);
    begin_ = heap_.get();
    end_ = begin_ + used;
    limit_ = begin_ + capacity;
  }

  uint8_t inline_[kInlineBytes];
  std::unique_ptr<uint8_t[]> heap_;
  uint8_t* begin_ = inline_;
  uint8_t* end_ = inline_;
  uint8_t* limit_ = inline_ + kInlineBytes;
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
