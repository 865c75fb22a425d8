// Text views of records for the tool: a one-line summary and the whole record.
#pragma once

#include <cstddef>
#include <ostream>
#include <string>

class CHKRsl;

namespace chkrsl_cli {

// Name of the record's class.
std::string RecordClassName(const CHKRsl& rec);

// A few stored values that tell records apart at a glance.
std::string SummaryValues(const CHKRsl& rec);

// Every field of the record, one array or value per line.
void DescribeRecord(const CHKRsl& rec, std::ostream& os);

// Writes "name[0..n-1] = v0 v1 ..." lines, wrapping long arrays.
class FieldPrinter {
 public:
  explicit FieldPrinter(std::ostream& os) : os_(os) {}
  void Section(const std::string& title);
  void Int(const std::string& name, int v);
  void Ints(const std::string& name, const int* v, size_t n);
  void Doubles(const std::string& name, const double* v, size_t n);
  void Flags(const std::string& name, const unsigned char* v, size_t n);

 private:
  template <class T>
  void Values(const std::string& name, const T* v, size_t n);
  std::ostream& os_;
};

}  // namespace chkrsl_cli
