// Every field of a record, with its name and value, in file order. The
// layouts that write and read the records also name their fields; the
// naming visitor walks those same layouts, so printers, exporters and
// comparers never describe a record a second time.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "chkrsl/io/coding.h"

class CHKRsl;
class DataForEffArea;
class DataForWallEdge;

namespace chkrsl {

using io::FieldName;

// Receives the fields. Enter and Leave bracket a sub-record or a nested
// item (pSec, pEnergy, member.section[2], ...), whose fields come between.
class FieldVisitor {
 public:
  virtual ~FieldVisitor() = default;
  virtual void Enter(const FieldName& name) { (void)name; }
  virtual void Leave() {}
  virtual void Int(const FieldName& name, int32_t value) = 0;
  virtual void Double(const FieldName& name, double value) = 0;
  virtual void Flag(const FieldName& name, uint8_t value) = 0;
};

// "dBase[8]", "listA[2].dbl1", "dPart[5][1]".
std::string FieldText(const FieldName& name);
// The same, appended to `out`.
void AppendFieldText(const FieldName& name, std::string& out);

// Keeps the path of the sub-records entered: "pSec.dHead[0]".
class FieldPath {
 public:
  void Enter(const FieldName& name) { stack_.push_back(FieldText(name)); }
  void Leave() {
    if (!stack_.empty()) stack_.pop_back();
  }
  // The full name of a field at the current depth.
  std::string Of(const FieldName& name) const;
  // The sub-records entered, outermost first.
  const std::vector<std::string>& Stack() const { return stack_; }

 private:
  std::vector<std::string> stack_;
};

// The IO a layout is visited with to name its fields. It has only the
// named forms, so a layout that leaves a field unnamed does not compile.
// Layouts take their record as non-const; this IO never changes a value.
class FieldNamer {
 public:
  explicit FieldNamer(FieldVisitor& v) : v_(v) {}

  FieldNamer& Field(const FieldName& n, const int32_t& x) {
    v_.Int(n, x);
    return *this;
  }
  FieldNamer& Field(const FieldName& n, const double& x) {
    v_.Double(n, x);
    return *this;
  }
  FieldNamer& Field(const FieldName& n, const uint8_t& x) {
    v_.Flag(n, x);
    return *this;
  }
  template <class T, size_t N>
  FieldNamer& Fields(const char* name, const T (&a)[N], size_t first, size_t n) {
    for (size_t k = first; k < first + n && k < N; ++k) Field({name, static_cast<int>(k)}, a[k]);
    return *this;
  }
  FieldNamer& Enter(const FieldName& n) {
    v_.Enter(n);
    return *this;
  }
  FieldNamer& Leave() {
    v_.Leave();
    return *this;
  }

 private:
  FieldVisitor& v_;
};

// The whole file entry of a record: its header, body and sub-records, as
// WriteToCHK writes it (a sub-record the record lacks but writes anyway is
// visited as the cleared one written in its place).
void VisitFields(const CHKRsl& rec, FieldVisitor& v);
// An edge: edgeNo, then its payload.
void VisitFields(const DataForWallEdge& edge, FieldVisitor& v);
// An "EFFAL" entry: eleNo, dataLength, bEff, then each list's count and items.
void VisitFields(const DataForEffArea& rec, FieldVisitor& v);

// Name of the record's class ("DataForSteel", ...).
const char* RecordClassName(const CHKRsl& rec);

}  // namespace chkrsl
