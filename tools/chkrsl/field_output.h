// The tool's views of a record's named fields: text lines, JSON, and a flat
// list for comparing and for CSV. All walk chkrsl::VisitFields.
#pragma once

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "chkrsl/records/field_visitor.h"
#include "json_writer.h"

namespace chkrsl_cli {

// "  pSec.dHead[0] = 1.5" per field.
class TextFields : public chkrsl::FieldVisitor {
 public:
  explicit TextFields(std::ostream& out) : out_(out) {}
  void Enter(const chkrsl::FieldName& n) override { path_.Enter(n); }
  void Leave() override { path_.Leave(); }
  void Int(const chkrsl::FieldName& n, int32_t v) override;
  void Double(const chkrsl::FieldName& n, double v) override;
  void Flag(const chkrsl::FieldName& n, uint8_t v) override;

 private:
  std::ostream& out_;
  chkrsl::FieldPath path_;
};

// The fields as members of the open JSON object; sub-records nested.
class JsonFields : public chkrsl::FieldVisitor {
 public:
  explicit JsonFields(JsonWriter& json) : json_(json) {}
  void Enter(const chkrsl::FieldName& n) override;
  void Leave() override;
  void Int(const chkrsl::FieldName& n, int32_t v) override;
  void Double(const chkrsl::FieldName& n, double v) override;
  void Flag(const chkrsl::FieldName& n, uint8_t v) override;

 private:
  JsonWriter& Key(const chkrsl::FieldName& n);
  JsonWriter& json_;
  std::string key_;  // reused: an export names millions of fields
};

// One field with its full name ("pSec.dHead[0]").
struct NamedValue {
  std::string name;
  bool isDouble = false;
  double d = 0;
  int64_t i = 0;
  double AsDouble() const { return isDouble ? d : static_cast<double>(i); }
  std::string Text() const { return isDouble ? FormatDouble(d) : std::to_string(i); }
};

// Every field of a record in file order.
class FieldList : public chkrsl::FieldVisitor {
 public:
  void Enter(const chkrsl::FieldName& n) override { path_.Enter(n); }
  void Leave() override { path_.Leave(); }
  void Int(const chkrsl::FieldName& n, int32_t v) override { Add(n, false, 0, v); }
  void Double(const chkrsl::FieldName& n, double v) override { Add(n, true, v, 0); }
  void Flag(const chkrsl::FieldName& n, uint8_t v) override { Add(n, false, 0, v); }

  std::vector<NamedValue> values;

 private:
  void Add(const chkrsl::FieldName& n, bool isDouble, double d, int64_t i);
  chkrsl::FieldPath path_;
};

// A whole record: "<label> <number>", the structure kind (0: none), the
// class and every field; as text or as one JSON object on a line.
void PrintRecord(std::ostream& out, bool json, const char* label, int number, int kind,
                 const CHKRsl& rec);
void PrintEdge(std::ostream& out, bool json, const DataForWallEdge& edge);

}  // namespace chkrsl_cli
