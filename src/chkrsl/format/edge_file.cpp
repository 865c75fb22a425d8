#include "chkrsl/format/edge_file.h"

#include <memory>
#include <string>

#include "chkrsl/format/scan.h"
#include "chkrsl/io/source.h"

namespace chkrsl {

EdgeCursor::EdgeCursor(io::Source& in, Reporter* reporter) : in_(in), reporter_(reporter) {
  int32_t n = 0;
  in.MoveTo(0);
  if (!io::ReadI32(in, n) || !io::CountFits(in, n, kEdgeEntryBytes)) {
    Report(reporter_, 0, kNoElement, [&] { return "edge count " + std::to_string(n) + " cannot fit in the file"; });
    return;
  }
  sound_ = true;
  declared_ = n;
}

bool EdgeCursor::ReadNumberAt(int64_t offset) {
  int32_t n = 0;
  current_ = in_.MoveTo(offset) && io::ReadI32(in_, n);
  if (!current_) return false;
  offset_ = offset;
  number_ = n;
  return true;
}

bool EdgeCursor::Next() {
  if (consumed_ >= declared_) return false;
  const int64_t at = io::kInt32Bytes + kEdgeEntryBytes * consumed_;
  ++consumed_;
  if (ReadNumberAt(at)) return true;
  Report(reporter_, at, kNoElement, [] { return std::string("edge entry cut short"); });
  consumed_ = declared_;
  return false;
}

bool EdgeCursor::ScanFor(int edgeNo) { return ScanForward(*this, edgeNo); }

bool EdgeCursor::JumpTo(int64_t offset) { return ReadNumberAt(offset); }

DataForWallEdge* EdgeCursor::Read() {
  if (!current_ || !in_.MoveTo(offset_ + io::kInt32Bytes)) return nullptr;
  std::unique_ptr<DataForWallEdge> edge(new DataForWallEdge);
  edge->edgeNo = number_;
  if (edge->ReadFrom(in_)) return edge.release();
  Report(reporter_, offset_, kNoElement, [] { return std::string("edge entry cut short"); });
  return nullptr;
}

}  // namespace chkrsl
