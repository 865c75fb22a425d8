// A record's fields taken at speed, for the commands that handle every
// record of a project (export, diff). The visit only notes what each field
// is (its name's parts, as the layout's literals) and its value; full names
// and the texts around the values are made once per layout met ("shape":
// class and field list) and kept in a bounded cache.
#pragma once

#include <algorithm>
#include <cstdint>
#include <ostream>
#include <list>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "chkrsl/records/field_visitor.h"

namespace chkrsl_cli {

enum class TokenKind : int32_t { kEnter, kLeave, kInt, kDouble, kFlag };

// One step of a visit. Every byte is set, so tokens compare with memcmp.
// (i and j lie apart: a name's indices are stored one by one, and copying
// them as one wider value would wait for both stores.)
struct FieldToken {
  const char* base;
  int32_t i;
  TokenKind kind;
  const char* part;
  int32_t j;
  int32_t unused;
};

// A value as its bits: a double's, or an integer's widened to 64 bits.
using FieldBits = uint64_t;
double BitsToDouble(FieldBits bits);
int64_t BitsToInt(FieldBits bits);

// Collects one record's tokens and values; Clear before the next.
class FieldTaker : public chkrsl::FieldVisitor {
 public:
  void Clear(const char* className);
  void Enter(const chkrsl::FieldName& n) override { Add(n, TokenKind::kEnter); }
  void Leave() override { Add({"", -1, -1, nullptr}, TokenKind::kLeave); }
  void Int(const chkrsl::FieldName& n, int32_t v) override;
  void Double(const chkrsl::FieldName& n, double v) override;
  void Flag(const chkrsl::FieldName& n, uint8_t v) override;

  const FieldToken* tokens() const { return tokens_.data(); }
  size_t tokenCount() const { return count_; }

  const char* className = "";
  std::vector<FieldBits> values;  // one per Int, Double and Flag token

 private:
  void Add(const chkrsl::FieldName& n, TokenKind kind) {
    if (count_ == tokens_.size()) tokens_.resize(2 * count_ + 64);
    FieldToken& t = tokens_[count_++];
    t.base = n.base;
    t.i = n.i;
    t.kind = kind;
    t.part = n.part;
    t.j = n.j;
    t.unused = 0;
  }
  std::vector<FieldToken> tokens_;  // the first count_ are this record's
  size_t count_ = 0;
};

// What is made once per shape.
struct Shape {
  const char* className = "";
  std::vector<FieldToken> tokens;
  std::vector<std::string> names;    // per value: "pSec.dHead[0]"
  std::vector<bool> isDouble;        // per value
  // JSON of the fields object, the values left out: the text from
  // jsonCut[k] to jsonCut[k + 1] precedes value k, the rest follows the
  // last ("\"eleNo\":", ",\"pSec\":{\"dHead[0]\":", "}}"). One block,
  // so that writing a record walks it front to back.
  std::string json;
  std::vector<uint32_t> jsonCut;
  size_t nameBytes = 0;  // of all names
  // Free for the user of the cache (the export's columns: the column of
  // each value, the values in column order, whether the names were taken).
  std::vector<int> columns;
  std::vector<int> byColumn;
  bool merged = false;
};

// The shapes met, at most `capacity` of them (least recently used go).
class ShapeCache {
 public:
  explicit ShapeCache(size_t capacity = 256) : capacity_(capacity) {}
  // The shape of what `taken` holds; valid until the next call.
  Shape& Of(const FieldTaker& taken);

 private:
  std::unique_ptr<Shape> Make(const FieldTaker& taken) const;
  size_t capacity_;
  std::list<std::unique_ptr<Shape>> shapes_;  // most recently used first
  std::unordered_multimap<uint64_t, Shape*> byHash_;
};

// The shortest text that reads back to the value ("nan", "inf", "-inf"
// for the values that have no number), put into a buffer with room for
// kNumberChars; returns the end.
constexpr size_t kNumberChars = 32;
char* PutDouble(char* p, double v);
char* PutInt(char* p, int64_t v);

// Output gathered in a block of memory and handed to the stream in large
// pieces: an export writes hundreds of millions of small ones.
class OutBuffer {
 public:
  explicit OutBuffer(std::ostream* out = nullptr) : out_(out) {}
  void Attach(std::ostream* out) { out_ = out; }
  // Room for n more bytes; write them at the pointer, then Commit.
  char* Room(size_t n) {
    if (used_ + n > cap_) Grow(n);
    return data_.get() + used_;
  }
  void Commit(char* end) { used_ = static_cast<size_t>(end - data_.get()); }
  void Append(const std::string& s) { Commit(Put(Room(s.size()), s)); }
  void Flush();
  size_t size() const { return used_; }

  static char* Put(char* p, const std::string& s) { return std::copy_n(s.data(), s.size(), p); }

 private:
  void Grow(size_t n);
  std::ostream* out_;
  std::unique_ptr<char[]> data_;
  size_t cap_ = 0, used_ = 0;
};

}  // namespace chkrsl_cli
