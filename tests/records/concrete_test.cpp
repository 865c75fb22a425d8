#include <gtest/gtest.h>

#include <memory>

#include "records/family_records.h"
#include "support/concrete_samples.h"

namespace {

using namespace chkrsl_test;
using Kind = ConcreteSubKind;

constexpr size_t kPayload = DataForConcreteBase::kSectionValOffset;  // 97 with n = 0

// Reads an entry the way the scanner does: the header, then ReadRsl.
// Null when the read fails.
std::unique_ptr<DataForConcreteBase> ReadBack(const Bytes& entry) {
  std::FILE* f = OpenBytes(entry);
  auto rec = std::make_unique<DataForConcreteBase>();
  uint8_t head[12] = {};
  bool ok = std::fread(head, 1, 12, f) == 12;
  int* fields[] = {&rec->eleNo, &rec->eleType, &rec->secType};
  for (int k = 0; k < 3; ++k) *fields[k] = chkrsl::io::DecodeFixed32(head + 4 * k);
  ok = ok && rec->ReadRsl(f);
  std::fclose(f);
  return ok ? std::move(rec) : nullptr;
}

TEST(ConcreteEntry, HeaderOffsetsAndPayloadSizes) {
  auto rec = MakeConcrete(Kind::kNone, 12, 2, 1);
  const Bytes b = WrittenBytes(*rec);
  ASSERT_EQ(b.size(), 97u + 16u);  // no sub-record: the entry ends after sectionVal
  EXPECT_EQ(GetI32(b, 28), rec->memberKind);
  EXPECT_EQ(b[36], rec->baseFlag);
  EXPECT_EQ(GetI32(b, 45), 2);
  EXPECT_EQ(GetF64(b, 65), rec->baseDbl[0]);
  EXPECT_EQ(GetF64(b, 105), rec->sectionVal[1]);

  const struct { Kind kind; int sections; size_t payload; } cases[] = {
      {Kind::kRecCol, 0, 754 + 32 * 5},  // lists of 3 and 2
      {Kind::kSpecialCol, 0, 616 + 32 * 5},
      {Kind::kRoundCol, 0, 474},
      {Kind::kWall, 2, 16 + 147},
      {Kind::kRecBeam, 3, 24 + 67 + 104 * 3 + 8 + 28 * 2 + 32 * 3 + 48 + 16 * 4 + 16 * 2},
      {Kind::kRoundBeam, 3, 24 + 13 + 80 * 3 + 40 * 3 + 16 * 2},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.kind));
    EXPECT_EQ(WrittenBytes(*MakeConcrete(c.kind, 1, c.sections, 1)).size(), kPayload + c.payload);
  }
}

// Orders a read-back round trip cannot see: both directions would agree.
TEST(ConcreteEntry, SubRecordsWriteTheirFieldsInTheirOwnOrder) {
  // The round column writes dRsl[23..25] twice, at 237 and 269.
  auto round = MakeConcrete(Kind::kRoundCol, 1, 0, 2);
  Bytes b = WrittenBytes(*round);
  for (int k = 0; k < 3; ++k) EXPECT_EQ(GetF64(b, kPayload + 237 + 8 * k), round->pRoundCol->dRsl[23 + k]);
  for (int k = 0; k < 3; ++k) EXPECT_EQ(GetF64(b, kPayload + 269 + 8 * k), round->pRoundCol->dRsl[23 + k]);
  EXPECT_EQ(GetI32(b, kPayload + 317), 3);

  // The rectangular column stores its list integers second column first,
  // the special-shaped column in declared order.
  auto recCol = MakeConcrete(Kind::kRecCol, 1, 0, 3);
  const Bytes rc = WrittenBytes(*recCol);
  EXPECT_EQ(GetI32(rc, kPayload + 750 + 24), recCol->pRecCol->listA.int1[0]);
  EXPECT_EQ(GetI32(rc, kPayload + 750 + 28), recCol->pRecCol->listA.int0[0]);
  auto special = MakeConcrete(Kind::kSpecialCol, 1, 0, 3);
  const Bytes sc = WrittenBytes(*special);
  EXPECT_EQ(sc[kPayload + 575], special->pSpecialCol->bFlag[7]);
  EXPECT_EQ(GetI32(sc, kPayload + 612 + 24), special->pSpecialCol->listA.int0[0]);

  // The beam writes dRsl[4] only when listA has items.
  auto rec = MakeConcrete(Kind::kRecBeam, 1, 1, 4);
  DataForConcreteRecBeam& beam = *rec->pRecBeam;
  const size_t countA = kPayload + 8 + 47 + 104;
  const Bytes with = WrittenBytes(*rec);
  EXPECT_EQ(GetF64(with, countA + 4), beam.dRsl[4]);
  EXPECT_EQ(GetI32(with, countA + 28), beam.listA.int0[0]);
  beam.countA = 0;
  const Bytes without = WrittenBytes(*rec);
  EXPECT_EQ(without.size(), with.size() - 8 - 2 * 28);
  EXPECT_EQ(GetI32(without, countA + 4), beam.countB);
  auto back = ReadBack(without);
  EXPECT_EQ(back->pRecBeam->dRsl[4], 0.0);
  EXPECT_EQ(WrittenBytes(*back), without);
}

// Reading back and writing again gives the same bytes, so every stored field
// came back; writing twice gives the same length word. Every cut is refused.
// The visitor names every field.
TEST(ConcreteEntry, EverySubRecordRoundTripsToTheSameBytes) {
  for (Kind kind : {Kind::kNone, Kind::kRecCol, Kind::kRoundCol, Kind::kSpecialCol,
                    Kind::kRecBeam, Kind::kRoundBeam, Kind::kWall}) {
    for (int n : {0, 1, 4}) {
      SCOPED_TRACE(testing::Message() << "kind " << static_cast<int>(kind) << " n " << n);
      auto rec = MakeConcrete(kind, 7, n, n + 1);
      const Bytes first = WrittenBytes(*rec);
      EXPECT_EQ(WrittenBytes(*rec), first);
      EXPECT_EQ(static_cast<size_t>(GetI32(first, 12)), first.size() - 16);
      auto back = ReadBack(first);
      ASSERT_NE(back, nullptr);
      EXPECT_EQ(WrittenBytes(*back), first);
      ExpectFieldsAreTheBytes(*rec);
      for (size_t len = 0; n == 1 && len < first.size(); ++len)
        EXPECT_EQ(ReadBack(Bytes(first.begin(), first.begin() + static_cast<long>(len))), nullptr) << len;
    }
  }
  // A missing sub-record is written cleared, so the entry still reads.
  auto bare = MakeConcrete(Kind::kNone, 3, 1, 1);
  bare->secType = 29;  // a column that calls for a rectangular sub-record
  const Bytes b = WrittenBytes(*bare);
  EXPECT_EQ(b.size(), kPayload + 8 + 754);
  EXPECT_EQ(ReadBack(b)->pRecCol->bFlag[3], 1);
}

TEST(ConcreteEntry, UnsoundCountsAndLengthsAreRefused) {
  const Bytes good = WrittenBytes(*MakeConcrete(Kind::kRecCol, 1, 2, 6));
  ASSERT_NE(ReadBack(good), nullptr);
  const int length = GetI32(good, 12);
  const size_t countA = kPayload + 16 + 746;
  const struct { size_t at; int32_t value; } patches[] = {
      {countA, -1}, {countA, 4}, {countA, 1 << 30}, {45, -1}, {45, 1 << 29},  // 45: n
      {12, -1}, {12, 80}, {12, length - 1}, {12, length + 1}, {12, 1 << 30}};
  for (const auto& p : patches) {
    Bytes b = good;
    chkrsl::io::EncodeFixed32(&b[p.at], p.value);
    EXPECT_EQ(ReadBack(b), nullptr) << p.at << " = " << p.value;
  }
  Bytes beam = WrittenBytes(*MakeConcrete(Kind::kRecBeam, 1, 2, 6));
  chkrsl::io::EncodeFixed32(&beam[45], 50);  // sections the entry does not hold
  EXPECT_EQ(ReadBack(beam), nullptr);
}

TEST(ConcreteEntry, RoundColumnKeepsTheSecondOfItsTwoCopies) {
  // dRsl[23..25] stand at 237 and 269: copies that differ read, the second
  // one is kept and a write stores it twice.
  const Bytes round = WrittenBytes(*MakeConcrete(Kind::kRoundCol, 1, 0, 2));
  for (size_t copy : {kPayload + 237, kPayload + 269}) {
    Bytes b = round;
    b[copy + 7] ^= 0x40;
    auto back = ReadBack(b);
    ASSERT_NE(back, nullptr) << copy;
    Bytes expected = copy == kPayload + 237 ? round : b;
    std::copy_n(expected.begin() + kPayload + 269, 24, expected.begin() + kPayload + 237);
    EXPECT_EQ(WrittenBytes(*back), expected) << copy;
  }
}

TEST(ConcreteRecord, CopiesOwnTheirSubRecordsAndClearKeepsListsAndSections) {
  const auto target = MakeConcrete(Kind::kRoundBeam, 2, 5, 9);  // more sections, another sub-record
  ExpectDeepCopies(MakeConcrete(Kind::kSpecialCol, 4, 3, 8), target.get());
  ExpectDeepCopies(MakeConcrete(Kind::kRecBeam, 4, 3, 8), target.get());

  auto rec = MakeConcrete(Kind::kRecCol, 4, 3, 10);
  rec->clear();
  EXPECT_EQ(rec->checkStatus, 2);
  EXPECT_EQ(rec->sectionVal.GetSize(), 3);
  DataForConcreteRecCol& col = *rec->pRecCol;
  const double item = col.listA.dbl2[2];
  col.clear();
  for (int i = 0; i < 10; ++i) EXPECT_EQ(col.bFlag[i], i < 3 ? 0 : 1) << i;
  EXPECT_EQ(col.countA, 0);
  EXPECT_EQ(col.listA.dbl2[2], item);
}

}  // namespace
