#include <gtest/gtest.h>

#include "chkrsl/io/file_io.h"
#include "support/project_fixture.h"

namespace {

using namespace chkrsl_test;
namespace io = chkrsl::io;

enum Op { kRead, kBlock, kPass, kSkip, kSeek };

// What one step gives on one stream: the bytes read or whether it moved,
// then its position and the bytes left.
std::vector<int64_t> Apply(std::FILE* f, Op op, int64_t n) {
  std::vector<int64_t> out;
  Bytes b(static_cast<size_t>(op == kRead ? n : 0));
  if (op == kRead) out.assign(b.begin(), b.begin() + io::ReadUpTo(f, b.data(), b.size()));
  if (op == kBlock) {
    io::FileBlock<700> block(f, static_cast<size_t>(n));
    out.assign(block.data, block.data + block.got);
  }
  if (op == kPass || op == kSkip)
    out.push_back(op == kPass ? io::PassOver(f, n) : io::SkipForward(f, n));
  if (op == kSeek) out.push_back(io::SeekTo(f, n));
  out.insert(out.end(), {io::Tell(f), io::BytesLeft(f)});
  return out;
}

// A read-ahead stream answers every helper as the plain stream does, across
// block boundaries (a first fill of 64 KiB, then growing), jumps back and
// forth, and the file's end.
TEST_F(ProjectTest, ReadAheadAnswersAsThePlainStream) {
  Bytes bytes(200 * 1024 + 7);
  for (size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<uint8_t>(i * 131 + (i >> 9));
  WriteFileBytes(PathOf("RA"), bytes);
  const struct { Op op; int64_t n; } steps[] = {
      {kRead, 10}, {kBlock, 700}, {kPass, 65000}, {kBlock, 700}, {kRead, 3}, {kSkip, 70000},
      {kSeek, 65530}, {kBlock, 300}, {kSeek, 12}, {kPass, 131000}, {kBlock, 700}, {kSkip, -1},
      {kSeek, 204790}, {kPass, 100}, {kBlock, 700}, {kRead, 20}, {kRead, 1}};
  std::FILE* plain = std::fopen(PathOf("RA").c_str(), "rb");
  std::FILE* ahead = std::fopen(PathOf("RA").c_str(), "rb");
  ASSERT_TRUE(plain && ahead);
  {
    io::ReadAhead ra(ahead, io::kLoadBlockBytes);
    for (const auto& s : steps)
      EXPECT_EQ(Apply(plain, s.op, s.n), Apply(ahead, s.op, s.n)) << s.op << " " << s.n;
  }
  for (std::FILE* f : {plain, ahead}) std::fclose(f);
}

}  // namespace
