// The tool's views of a record's named fields: text lines and JSON. Both
// walk chkrsl::VisitFields.
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

// A whole record: "<label> <number>", the structure kind (0: none), the
// class and every field; as text or as one JSON object on a line.
void PrintRecord(std::ostream& out, bool json, const char* label, int number, int kind,
                 const CHKRsl& rec);
void PrintEdge(std::ostream& out, bool json, const DataForWallEdge& edge);

}  // namespace chkrsl_cli
