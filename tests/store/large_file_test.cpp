#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <memory>

#include "support/concrete_samples.h"

#ifdef _WIN32
#define CHKRSL_TEST_FSEEK64 _fseeki64
#else
#define CHKRSL_TEST_FSEEK64 fseeko
#endif

namespace {

using namespace chkrsl_test;

// A sparse "CHKCT" whose two padding entries carry the scan forward by their
// length words, each followed by a record its own writer puts there: element
// 2 lies past the 2 GB offset, element 4 past the 4 GB offset. A 32-bit
// `long` offset anywhere on the way loses them.
TEST_F(ProjectTest, EntriesPastTwoAndFourGigabytesAreWrittenAndRead) {
  constexpr int32_t kPadding = 0x7FFFFFF0;
  if (std::filesystem::space(folder).available < 5ull << 30) GTEST_SKIP() << "no room";
  std::unique_ptr<DataForConcreteBase> written[2] = {
      MakeConcrete(ConcreteSubKind::kRecCol, 2, 2, 2), MakeConcrete(ConcreteSubKind::kWall, 4, 1, 4)};
  std::FILE* f = std::fopen(PathOf("CHKCT").c_str(), "wb");
  ASSERT_NE(f, nullptr);
  Bytes head;
  PutI32(head, 4);
  bool sparse = true;
  for (auto& rec : written) {
    for (int32_t v : {rec->eleNo - 1, 11, 29, kPadding}) PutI32(head, v);
    std::fwrite(head.data(), 1, head.size(), f);
    head.clear();
    sparse = sparse && CHKRSL_TEST_FSEEK64(f, kPadding, SEEK_CUR) == 0;
    rec->WriteToCHK(f);
    doc().SetElementSecType(rec->eleNo, rec->secType);
  }
  if (std::fclose(f) != 0 || !sparse) GTEST_SKIP() << "no sparse files here";
  ASSERT_GT(std::filesystem::file_size(PathOf("CHKCT")), 4ull << 30);

  WriteProjectFile("CHKTT", ElementTable({2, 4}, 11));
  ASSERT_EQ(GetAllEleRsl(recs), 1);
  ASSERT_EQ(recs.GetSize(), 2);
  for (int k = 0; k < 2; ++k) EXPECT_EQ(WrittenBytes(*recs[k]), WrittenBytes(*written[k])) << k;
  CHKRsl* last = nullptr;
  int kind = 0;
  ASSERT_EQ(GetOneEleRsl(last, kind, 4), 1);
  EXPECT_EQ(WrittenBytes(*last), WrittenBytes(*written[1]));
  delete last;
}

}  // namespace
