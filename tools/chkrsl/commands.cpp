#include "commands.h"

#include <cstdio>
#include <string>

#include "chkrsl/chkrsl.h"
#include "record_format.h"

namespace chkrsl_cli {
namespace {

void PrintListHeader(std::ostream& out) {
  out << "element  kind  class                      cat  status  values\n";
}

void PrintListRow(std::ostream& out, int eleNo, int kind, const CHKRsl* rec) {
  char head[64];
  std::snprintf(head, sizeof head, "%7d  %4d  ", eleNo, kind);
  out << head;
  if (!rec) {
    out << "(no readable result)\n";
    return;
  }
  char row[96];
  std::snprintf(row, sizeof row, "%-25s  %3d  %6d  ", RecordClassName(*rec).c_str(),
                JudgeSecCate(rec->secType), rec->checkStatus);
  out << row << SummaryValues(*rec) << "\n";
}

}  // namespace

int ListResults(std::ostream& out) {
  CArray<int, int> elements, kinds;
  if (!chkrsl::ReadElementTable(elements, kinds)) {
    chkrsl::AlertUtf8(chkrsl::msg::kNotChecked);
    return 1;
  }
  PrintListHeader(out);
  CTypedPtrArray<CPtrArray, CHKRsl*> recs;
  if (GetAllEleRsl(recs) && recs.GetSize() == elements.GetSize()) {
    for (INT_PTR i = 0; i < recs.GetSize(); ++i) PrintListRow(out, elements[i], kinds[i], recs[i]);
    chkrsl::DeleteAllRecords(recs);
    return 0;
  }
  chkrsl::DeleteAllRecords(recs);
  // The bulk load stops at the first unreadable element; read one by one
  // so that the readable ones are still shown.
  int status = 0;
  for (INT_PTR i = 0; i < elements.GetSize(); ++i) {
    CHKRsl* rec = nullptr;
    int kind = kinds[i];
    if (!GetOneEleRsl_Code(rec, kind, elements[i])) status = 1;
    PrintListRow(out, elements[i], kinds[i], rec);
    delete rec;
  }
  return status;
}

int ShowElement(int eleNo, std::ostream& out) {
  CHKRsl* rec = nullptr;
  int kind = 0;
  if (!GetOneEleRsl(rec, kind, eleNo)) return 1;
  out << "structure kind " << kind << "\n";
  DescribeRecord(*rec, out);
  delete rec;
  return 0;
}

}  // namespace chkrsl_cli
