// A record's fields taken at speed, for the commands that handle every
// record of a project (export, diff). The visit only notes what each field
// is (its name's parts, as the layout's literals) and its value; full names
// and the texts around the values are made once per layout met ("shape":
// class and field list) and kept in a bounded cache.
#pragma once

#include <cstdint>
#include <list>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "chkrsl/records/field_visitor.h"

namespace chkrsl_cli {

enum class TokenKind : int32_t { kEnter, kLeave, kInt, kDouble, kFlag };

// One step of a visit. Every byte is set, so tokens compare with memcmp.
struct FieldToken {
  const char* base;
  const char* part;
  int32_t i;
  int32_t j;
  TokenKind kind;
  int32_t unused = 0;
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

  const char* className = "";
  std::vector<FieldToken> tokens;
  std::vector<FieldBits> values;  // one per Int, Double and Flag token

 private:
  void Add(const chkrsl::FieldName& n, TokenKind kind) {
    tokens.push_back({n.base, n.part, n.i, n.j, kind});
  }
};

// What is made once per shape.
struct Shape {
  const char* className = "";
  std::vector<FieldToken> tokens;
  std::vector<std::string> names;    // per value: "pSec.dHead[0]"
  std::vector<bool> isDouble;        // per value
  // JSON of the fields object: jsonBefore[k] precedes value k, jsonEnd
  // follows the last ("\"eleNo\":", ",\"pSec\":{\"dHead[0]\":", "}}").
  std::vector<std::string> jsonBefore;
  std::string jsonEnd;
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

// Appends the shortest text that reads back to the value ("nan", "inf",
// "-inf" for the values that have no number).
void AppendDouble(std::string& out, double v);
void AppendInt(std::string& out, int64_t v);

}  // namespace chkrsl_cli
