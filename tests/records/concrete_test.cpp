#include <gtest/gtest.h>

#include <memory>

#include "support/concrete_samples.h"

namespace {

using chkrsl_test::Bytes;
using chkrsl_test::GetF64;
using chkrsl_test::GetI32;
using chkrsl_test::MakeConcrete;
using chkrsl_test::WrittenBytes;
using Kind = ConcreteSubKind;

constexpr size_t kPayload = DataForConcreteBase::kSectionValOffset;  // 97 with n = 0

// Reads an entry the way the scanner does: the header, then ReadRsl.
std::unique_ptr<DataForConcreteBase> ReadBack(const Bytes& entry, bool* ok = nullptr) {
  std::FILE* f = chkrsl_test::OpenBytes(entry);
  auto rec = std::make_unique<DataForConcreteBase>();
  uint8_t head[12] = {};
  const bool whole = std::fread(head, 1, 12, f) == 12;
  rec->eleNo = chkrsl::io::DecodeFixed32(head);
  rec->eleType = chkrsl::io::DecodeFixed32(head + 4);
  rec->secType = chkrsl::io::DecodeFixed32(head + 8);
  const bool read = whole && rec->ReadRsl(f);
  if (ok) *ok = read;
  std::fclose(f);
  return rec;
}

bool Reads(const Bytes& entry) {
  bool ok = false;
  ReadBack(entry, &ok);
  return ok;
}

TEST(ConcreteEntry, HeaderOffsetsAndLengthWord) {
  auto rec = MakeConcrete(Kind::kNone, 12, 2, 1);
  const Bytes b = WrittenBytes(*rec);
  ASSERT_EQ(b.size(), 97u + 16u);  // no sub-record: the entry ends after sectionVal
  EXPECT_EQ(GetI32(b, 0), 12);
  EXPECT_EQ(GetI32(b, 4), 18);
  EXPECT_EQ(GetI32(b, 8), 30);
  EXPECT_EQ(GetI32(b, 12), 81 + 16);
  EXPECT_EQ(GetI32(b, 16), rec->hdrInt[0]);
  EXPECT_EQ(GetI32(b, 28), rec->memberKind);
  EXPECT_EQ(GetI32(b, 32), rec->checkStatus);
  EXPECT_EQ(b[36], rec->baseFlag);
  EXPECT_EQ(GetI32(b, 45), 2);
  EXPECT_EQ(GetF64(b, 65), rec->baseDbl[0]);
  EXPECT_EQ(GetF64(b, 97), rec->sectionVal[0]);
  EXPECT_EQ(GetF64(b, 105), rec->sectionVal[1]);
  EXPECT_EQ(rec->dataLength, 97);
}

TEST(ConcreteEntry, PayloadSizesFollowTheListCounts) {
  auto recCol = MakeConcrete(Kind::kRecCol, 1, 0, 1);  // lists of 3 and 2
  EXPECT_EQ(WrittenBytes(*recCol).size(), kPayload + 754 + 32 * 5);
  auto special = MakeConcrete(Kind::kSpecialCol, 1, 0, 1);  // 2 and 3
  EXPECT_EQ(WrittenBytes(*special).size(), kPayload + 616 + 32 * 5);
  auto round = MakeConcrete(Kind::kRoundCol, 1, 0, 1);  // 3 items
  EXPECT_EQ(WrittenBytes(*round).size(), kPayload + 474);
  EXPECT_EQ(round->dataLength, 81 + 474);
  auto wall = MakeConcrete(Kind::kWall, 1, 2, 1);
  EXPECT_EQ(WrittenBytes(*wall).size(), kPayload + 16 + 147);
  auto recBeam = MakeConcrete(Kind::kRecBeam, 1, 3, 1);  // 2, 3, 1, 4, 2 items
  EXPECT_EQ(WrittenBytes(*recBeam).size(),
            kPayload + 24 + 67 + 104 * 3 + 8 + 28 * 2 + 32 * 3 + 48 + 16 * 4 + 16 * 2);
  auto roundBeam = MakeConcrete(Kind::kRoundBeam, 1, 3, 1);  // 3 and 2 items
  EXPECT_EQ(WrittenBytes(*roundBeam).size(), kPayload + 24 + 13 + 80 * 3 + 40 * 3 + 16 * 2);
}

TEST(ConcreteEntry, RoundColumnWritesItsThreeDoublesTwiceAndItsListBeforeTheTail) {
  auto rec = MakeConcrete(Kind::kRoundCol, 1, 0, 2);
  const DataForConcreteRoundCol& c = *rec->pRoundCol;
  const Bytes b = WrittenBytes(*rec);
  for (int k = 0; k < 3; ++k) {
    EXPECT_EQ(GetF64(b, kPayload + 237 + 8 * k), c.dRsl[23 + k]);
    EXPECT_EQ(GetF64(b, kPayload + 269 + 8 * k), c.dRsl[23 + k]);
  }
  EXPECT_EQ(GetI32(b, kPayload + 317), 3);
  EXPECT_EQ(GetI32(b, kPayload + 321 + 32), c.listA.int0[0]);
  EXPECT_EQ(GetI32(b, kPayload + 321 + 36), c.listA.int1[0]);
  EXPECT_EQ(b[kPayload + 321 + 120], c.bFlag[5]);
  EXPECT_EQ(GetI32(b, kPayload + 346 + 120 + 4), c.nRsl[15]);

  // The second copy is the one that is kept.
  Bytes changed = b;
  chkrsl::io::EncodeDouble(&changed[kPayload + 269], -7.5);
  EXPECT_EQ(ReadBack(changed)->pRoundCol->dRsl[23], -7.5);
}

TEST(ConcreteEntry, IntegerColumnsStandSecondFirstWhereTheLayoutSaysSo) {
  auto recCol = MakeConcrete(Kind::kRecCol, 1, 0, 3);
  const Bytes rc = WrittenBytes(*recCol);
  EXPECT_EQ(GetF64(rc, kPayload + 714 + 16), recCol->pRecCol->dRsl[74]);
  EXPECT_EQ(GetI32(rc, kPayload + 746), 3);
  EXPECT_EQ(GetI32(rc, kPayload + 750 + 24), recCol->pRecCol->listA.int1[0]);
  EXPECT_EQ(GetI32(rc, kPayload + 750 + 28), recCol->pRecCol->listA.int0[0]);
  EXPECT_EQ(GetI32(rc, kPayload + 750 + 96), 2);  // countB after three items

  auto special = MakeConcrete(Kind::kSpecialCol, 1, 0, 3);
  const Bytes sc = WrittenBytes(*special);
  EXPECT_EQ(sc[kPayload + 575], special->pSpecialCol->bFlag[7]);
  EXPECT_EQ(GetI32(sc, kPayload + 608), 2);
  EXPECT_EQ(GetI32(sc, kPayload + 612 + 24), special->pSpecialCol->listA.int0[0]);
  EXPECT_EQ(GetI32(sc, kPayload + 612 + 28), special->pSpecialCol->listA.int1[0]);
}

TEST(ConcreteEntry, RectangularBeamWritesDRsl4OnlyWhenListAHasItems) {
  auto rec = MakeConcrete(Kind::kRecBeam, 1, 1, 4);
  DataForConcreteRecBeam& beam = *rec->pRecBeam;
  const size_t countA = kPayload + 8 + 47 + 104;
  Bytes with = WrittenBytes(*rec);
  EXPECT_EQ(GetI32(with, countA), 2);
  EXPECT_EQ(GetF64(with, countA + 4), beam.dRsl[4]);
  EXPECT_EQ(GetF64(with, countA + 12), beam.listA.dbl0[0]);
  EXPECT_EQ(GetI32(with, countA + 28), beam.listA.int0[0]);  // declared order
  EXPECT_EQ(GetI32(with, countA + 32), beam.listA.int1[0]);

  beam.countA = 0;
  const Bytes without = WrittenBytes(*rec);
  EXPECT_EQ(without.size(), with.size() - 8 - 2 * 28);
  EXPECT_EQ(GetI32(without, countA), 0);
  EXPECT_EQ(GetI32(without, countA + 4), beam.countB);
  auto back = ReadBack(without);
  ASSERT_NE(back->pRecBeam, nullptr);
  EXPECT_EQ(back->pRecBeam->dRsl[4], 0.0);
  EXPECT_EQ(back->pRecBeam->listB.dbl2[2], beam.listB.dbl2[2]);
}

TEST(ConcreteEntry, BeamsWithoutSectionsStartTheirScalarsAtTheFlags) {
  auto recBeam = MakeConcrete(Kind::kRecBeam, 1, 0, 5);
  EXPECT_EQ(GetF64(WrittenBytes(*recBeam), kPayload + 7), recBeam->pRecBeam->dRsl[0]);
  auto roundBeam = MakeConcrete(Kind::kRoundBeam, 1, 0, 5);
  EXPECT_EQ(GetI32(WrittenBytes(*roundBeam), kPayload + 5), 3);
}

TEST(ConcreteEntry, EverySubRecordRoundTripsToTheSameFieldsAndBytes) {
  for (Kind kind : {Kind::kNone, Kind::kRecCol, Kind::kRoundCol, Kind::kSpecialCol,
                    Kind::kRecBeam, Kind::kRoundBeam, Kind::kWall}) {
    for (int n : {0, 1, 4}) {
      SCOPED_TRACE(testing::Message() << "kind " << static_cast<int>(kind) << " n " << n);
      auto rec = MakeConcrete(kind, 7, n, n + 1);
      const Bytes first = WrittenBytes(*rec);
      EXPECT_EQ(WrittenBytes(*rec), first);  // writing again adds nothing
      EXPECT_EQ(static_cast<size_t>(GetI32(first, 12)), first.size() - 16);
      bool ok = false;
      auto back = ReadBack(first, &ok);
      ASSERT_TRUE(ok);
      chkrsl_test::ExpectSameConcrete(*rec, *back);
      EXPECT_EQ(WrittenBytes(*back), first);
      EXPECT_EQ(WrittenBytes(*back), first);
    }
  }
}

TEST(ConcreteEntry, MissingSubRecordIsWrittenClearedSoTheEntryStillReads) {
  auto rec = MakeConcrete(Kind::kNone, 3, 1, 1);
  rec->secType = 29;  // a column that calls for a rectangular sub-record
  const Bytes b = WrittenBytes(*rec);
  EXPECT_EQ(b.size(), kPayload + 8 + 754);
  bool ok = false;
  auto back = ReadBack(b, &ok);
  ASSERT_TRUE(ok);
  ASSERT_NE(back->pRecCol, nullptr);
  EXPECT_EQ(back->pRecCol->bFlag[3], 1);
}

TEST(ConcreteEntry, UnsoundCountsAndLengthsAreRefused) {
  auto rec = MakeConcrete(Kind::kRecCol, 1, 2, 6);
  const Bytes good = WrittenBytes(*rec);
  ASSERT_TRUE(Reads(good));
  const size_t countA = kPayload + 16 + 746;
  for (int32_t bad : {-1, 4, 1 << 30}) {
    Bytes b = good;
    chkrsl::io::EncodeFixed32(&b[countA], bad);
    EXPECT_FALSE(Reads(b)) << "countA " << bad;
  }
  for (int32_t bad : {-1, 1 << 29}) {
    Bytes b = good;
    chkrsl::io::EncodeFixed32(&b[45], bad);
    EXPECT_FALSE(Reads(b)) << "n " << bad;
  }
  for (int32_t bad : {-1, 0, 80, GetI32(good, 12) - 1, GetI32(good, 12) + 1, 1 << 30}) {
    Bytes b = good;
    chkrsl::io::EncodeFixed32(&b[12], bad);
    EXPECT_FALSE(Reads(b)) << "dataLength " << bad;
  }
  auto beam = MakeConcrete(Kind::kRecBeam, 1, 2, 6);
  Bytes b = WrittenBytes(*beam);
  chkrsl::io::EncodeFixed32(&b[45], 50);  // sections the entry does not hold
  EXPECT_FALSE(Reads(b));
}

TEST(ConcreteEntry, EveryTruncationIsRefused) {
  for (Kind kind : {Kind::kRecCol, Kind::kRoundCol, Kind::kRecBeam, Kind::kRoundBeam}) {
    auto rec = MakeConcrete(kind, 1, 2, 7);
    const Bytes good = WrittenBytes(*rec);
    for (size_t len = 0; len < good.size(); ++len) {
      EXPECT_FALSE(Reads(Bytes(good.begin(), good.begin() + static_cast<long>(len))))
          << static_cast<int>(kind) << " cut at " << len;
    }
  }
}

TEST(ConcreteRecord, CopiesOwnTheirSubRecords) {
  auto src = MakeConcrete(Kind::kSpecialCol, 4, 3, 8);
  DataForConcreteBase copy(*src);
  ASSERT_NE(copy.pSpecialCol, nullptr);
  EXPECT_NE(copy.pSpecialCol, src->pSpecialCol);
  DataForConcreteBase assigned;
  assigned = *MakeConcrete(Kind::kRoundBeam, 2, 2, 9);  // replaced by the next assignment
  assigned = *src;
  EXPECT_EQ(assigned.pRoundBeam, nullptr);
  const Bytes expected = WrittenBytes(*src);
  src.reset();
  EXPECT_EQ(WrittenBytes(copy), expected);
  EXPECT_EQ(WrittenBytes(assigned), expected);
}

TEST(ConcreteRecord, ClearResetsResultsAndKeepsListsAndSections) {
  auto rec = MakeConcrete(Kind::kRecCol, 4, 3, 10);
  rec->clear();
  EXPECT_EQ(rec->baseFlag, 1);
  EXPECT_EQ(rec->baseInt[2], 0);
  EXPECT_EQ(rec->checkStatus, 2);
  EXPECT_EQ(rec->sectionVal.GetSize(), 3);
  DataForConcreteRecCol& col = *rec->pRecCol;
  const double item = col.listA.dbl2[2];
  col.clear();
  for (double v : col.dRsl) EXPECT_EQ(v, 0.0);
  for (int i = 0; i < 10; ++i) EXPECT_EQ(col.bFlag[i], i < 3 ? 0 : 1) << i;
  EXPECT_EQ(col.countA, 0);
  EXPECT_EQ(col.listA.dbl2[2], item);

  auto round = MakeConcrete(Kind::kRoundCol, 4, 0, 10);
  round->pRoundCol->clear();
  EXPECT_EQ(round->pRoundCol->listA.dbl3.GetSize(), 3);
  EXPECT_EQ(round->pRoundCol->listA.dbl3[1], 0.0);
}

TEST(WallEdgeRecord, ReadsItsPayloadAtTheDocumentedOffsets) {
  Bytes b;
  chkrsl_test::PutI32(b, 41);
  chkrsl_test::PutI32(b, 42);
  b.push_back(0xC8);
  for (int k = 0; k < 17; ++k) chkrsl_test::PutF64(b, 100.0 + k);
  ASSERT_EQ(b.size(), DataForWallEdge::kPayloadBytes);
  std::FILE* f = chkrsl_test::OpenBytes(b);
  DataForWallEdge edge;
  edge.edgeNo = 5;
  EXPECT_TRUE(edge.ReadRsl(f));
  EXPECT_EQ(std::fgetc(f), EOF);
  std::fclose(f);
  EXPECT_EQ(edge.nRsl[0], 41);
  EXPECT_EQ(edge.nRsl[1], 42);
  EXPECT_EQ(edge.bFlag[0], 200);
  EXPECT_EQ(edge.dRsl[0], 100.0);
  EXPECT_EQ(edge.dRsl[1], 101.0);
  EXPECT_EQ(edge.dRsl[16], 116.0);
  EXPECT_EQ(edge.edgeNo, 5);

  b.pop_back();
  f = chkrsl_test::OpenBytes(b);
  EXPECT_FALSE(edge.ReadRsl(f));
  std::fclose(f);
}

}  // namespace
