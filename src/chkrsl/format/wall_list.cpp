#include "chkrsl/format/wall_list.h"

#include <string>
#include <vector>

#include "chkrsl/io/source.h"

namespace chkrsl {

void ReadWallList(io::Source& in, WallList& list, Reporter* reporter) {
  int32_t w = 0, e = -1;
  if (!io::ReadI32(in, w) || !io::CountFits(in, w, io::kInt32Bytes)) {
    Report(reporter, 0, kNoElement, [&] { return "wall count " + std::to_string(w) + " cannot fit in the file"; });
    return;
  }
  std::vector<uint8_t> bytes(static_cast<size_t>(w) * io::kInt32Bytes);
  if (!io::ReadExact(in, bytes.data(), bytes.size())) return;
  list.walls.SetSize(w);
  for (int32_t i = 0; i < w; ++i) list.walls[i] = io::DecodeFixed32(&bytes[static_cast<size_t>(i) * 4]);
  list.wallsRead = true;
  if (!io::ReadI32(in, e) || e < 0) {
    Report(reporter, io::kInt32Bytes * (1 + int64_t{w}), kNoElement,
           [] { return std::string("edge count missing or negative"); });
    return;
  }
  list.edges = e;
  list.edgesRead = true;
}

}  // namespace chkrsl
