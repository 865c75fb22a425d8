#include <gtest/gtest.h>

#include "chkrsl/io/source.h"
#include "support/project_fixture.h"

namespace {

using namespace chkrsl_test;
namespace io = chkrsl::io;

enum Op { kRead, kBlock, kPass, kSkip, kSeek };

// What one step gives on one source: the bytes read or whether it moved,
// then its position and the bytes left.
std::vector<int64_t> Apply(io::Source& in, Op op, int64_t n) {
  std::vector<int64_t> out;
  Bytes b(static_cast<size_t>(op == kRead ? n : 0));
  if (op == kRead) out.assign(b.begin(), b.begin() + static_cast<long>(in.Read(b.data(), b.size())));
  if (op == kBlock) {
    io::FileBlock<700> block(in, static_cast<size_t>(n));
    out.assign(block.data, block.data + block.got);
  }
  if (op == kPass || op == kSkip) out.push_back(op == kPass ? io::PassOver(in, n) : io::SkipForward(in, n));
  if (op == kSeek) out.push_back(in.MoveTo(n));
  out.insert(out.end(), {in.Position(), in.BytesLeft()});
  return out;
}

// A file read block by block and bytes in memory answer every helper as
// the plain stream does, across block boundaries (a first fill of 64 KiB,
// then growing), jumps back and forth, and the end.
TEST_F(ProjectTest, SourcesAnswerAsThePlainStream) {
  Bytes bytes(200 * 1024 + 7);
  for (size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<uint8_t>(i * 131 + (i >> 9));
  WriteFileBytes(PathOf("RA"), bytes);
  const struct { Op op; int64_t n; } steps[] = {
      {kRead, 10}, {kBlock, 700}, {kPass, 65000}, {kBlock, 700}, {kRead, 3}, {kSkip, 70000},
      {kSeek, 65530}, {kBlock, 300}, {kSeek, 12}, {kPass, 131000}, {kBlock, 700}, {kSkip, -1},
      {kSeek, 204790}, {kPass, 100}, {kBlock, 700}, {kRead, 20}, {kRead, 1}};
  std::FILE* f = std::fopen(PathOf("RA").c_str(), "rb");
  ASSERT_TRUE(f);
  io::StdioSource plain(f);
  io::FileSource blocks;
  ASSERT_TRUE(blocks.Open(PathOf("RA"), io::FileSource::kLoadBlockBytes));
  io::MemorySource memory(bytes.data(), bytes.size());
  for (const auto& s : steps) {
    const std::vector<int64_t> expected = Apply(plain, s.op, s.n);
    EXPECT_EQ(Apply(blocks, s.op, s.n), expected) << s.op << " " << s.n;
    EXPECT_EQ(Apply(memory, s.op, s.n), expected) << s.op << " " << s.n;
  }
  std::fclose(f);
}

}  // namespace
