#include "chkrsl/records/concrete_list.h"

namespace chkrsl {

bool ReadItemBlock(chkrsl::io::Source& in, int count, int64_t itemBytes, std::vector<uint8_t>& block) {
  if (!io::CountFits(in, count, itemBytes)) return false;
  block.resize(static_cast<size_t>(count) * static_cast<size_t>(itemBytes));
  return io::ReadExact(in, block.data(), block.size());
}

}  // namespace chkrsl
