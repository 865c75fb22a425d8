#include <gtest/gtest.h>

#include "records/family_records.h"

namespace {

using chkrsl_test::Bytes;
using chkrsl_test::Distinct;
using chkrsl_test::Expect;
using chkrsl_test::Same;
using chkrsl_test::Tail;
using chkrsl_test::WrittenBytes;

DataForConcreteComposite Composite(int eleNo) {
  DataForConcreteComposite r;
  Distinct v(eleNo);
  chkrsl_test::FillBase(r, eleNo, 76, 1, v);
  v.Fill(r.dComp);
  v.Fill(r.nComp);
  return r;
}

DataForConcreteInside Inside(int eleNo, int eleType, int secType) {
  DataForConcreteInside r;
  Distinct v(eleNo);
  chkrsl_test::FillBase(r, eleNo, eleType, secType, v);
  v.Fill(r.dIn);
  v.Fill(r.nIn);
  if (DataForSteelBase::ShortBodyCode(eleType)) {
    // Not stored for these codes: as a fresh record has them.
    const DataForConcreteInside fresh;
    for (int k = 8; k <= 25; ++k) r.dBase[k] = fresh.dBase[k];
    for (int k = 5; k <= 8; ++k) r.nBase[k] = fresh.nBase[k];
  }
  return r;
}

TEST(CompositeLayout, OwnBlockFollowsTheFileOrder) {
  DataForConcreteComposite c = Composite(1);
  const double* d = c.dComp;
  const int* n = c.nComp;
  Expect e;
  e.D(d[0]).D(d[1]).D(d[2]).D(d[3]).I(n[0]).I(n[1]).D(d[4]).I(n[2]).I(n[3]).I(n[4]);
  e.D(d[5]).D(d[6]).D(d[7]).D(d[8]).I(n[5]).I(n[6]).D(d[9]).I(n[7]).I(n[8]).I(n[9]);
  e.D(d[10]).Ds(c.dComp, 11, 4).D(d[15]).Ds(c.dComp, 16, 6);
  EXPECT_EQ(Tail(WrittenBytes(c), 12 + 488), e.b);
}

TEST(ConcreteInsideLayout, TailOnlyForSectionType32) {
  DataForConcreteInside tube = Inside(1, 226, 32);
  const Bytes withTail = WrittenBytes(tube);
  EXPECT_EQ(withTail.size(), 712u);
  EXPECT_EQ(Tail(withTail, 500),
            Expect().Ds(tube.dIn, 0, 22).Is(tube.nIn, 0, 3).Ds(tube.dIn, 22, 3).b);

  tube.secType = 31;
  EXPECT_EQ(WrittenBytes(tube).size(), 532u);

  // Type 316: short common body, then the DataForLts, then the 32 bytes.
  DataForConcreteInside lts = Inside(2, 316, 26);
  const Bytes e = WrittenBytes(lts);
  ASSERT_EQ(e.size(), 12u + 328u + 1212u + 32u);
  EXPECT_EQ(Tail(e, 12 + 328 + 1212), Expect().Ds(lts.dIn, 0, 4).b);
  EXPECT_EQ(chkrsl::EntryBodyBytes(316, 26), 1572);
}

TEST(ConcreteInsideRecord, ReadingWithoutTheTailLeavesItsFieldsAlone) {
  DataForConcreteInside written = Inside(1, 226, 31);
  const Bytes entry = WrittenBytes(written);
  DataForConcreteInside target = Inside(9, 226, 31);  // other values throughout
  std::FILE* f = chkrsl_test::OpenBytes(Tail(entry, 12));
  ASSERT_TRUE(target.ReadRsl(f));
  EXPECT_EQ(std::fgetc(f), EOF);  // consumed exactly the body
  std::fclose(f);
  const DataForConcreteInside untouched = Inside(9, 226, 31);
  for (int k = 0; k < 4; ++k) EXPECT_EQ(target.dIn[k], written.dIn[k]);
  for (int k = 4; k < 25; ++k) EXPECT_EQ(target.dIn[k], untouched.dIn[k]);
  EXPECT_TRUE(Same(target.nIn, untouched.nIn));
}

using CompositeRecords = chkrsl_test::FamilyTest;

TEST_F(CompositeRecords, ReadBackThroughTheReadersWithEqualFields) {
  DataForConcreteComposite c = Composite(3);
  auto cb = StoreAndRead(c, 2, "CHKCM");
  ASSERT_TRUE(cb);
  chkrsl_test::ExpectSameBase(*cb, c);
  EXPECT_TRUE(Same(cb->dComp, c.dComp));
  EXPECT_TRUE(Same(cb->nComp, c.nComp));
  EXPECT_EQ(WrittenBytes(*cb), WrittenBytes(c));

  for (int code : {218, 228, 318}) {
    const int secType = code == 228 ? 32 : code == 318 ? 27 : 1;
    DataForConcreteInside in = Inside(4, code, secType);
    auto ib = StoreAndRead(in, 2, "CHKCM");
    ASSERT_TRUE(ib) << code;
    chkrsl_test::ExpectSameBase(*ib, in);
    EXPECT_TRUE(code != 228 || Same(ib->dIn, in.dIn)) << code;
    EXPECT_TRUE(code != 228 || Same(ib->nIn, in.nIn)) << code;
    EXPECT_EQ(ib->dIn[3], in.dIn[3]);
    EXPECT_EQ(WrittenBytes(*ib), WrittenBytes(in)) << code;
  }
}

TEST(CompositeRecord, ConstructorsCopiesAndClear) {
  DataForConcreteInside fresh;
  EXPECT_EQ(fresh.nIn[0], -1);
  EXPECT_EQ(fresh.nIn[1], 0);

  auto source = std::make_unique<DataForConcreteComposite>(Composite(5));
  source->secType = 35;
  source->pSec = new DataForNewSec;
  source->pSec->dHead[1] = 8.5;
  const DataForConcreteComposite before = *source;
  source->clear();
  EXPECT_TRUE(Same(source->dComp, before.dComp));
  DataForConcreteComposite copy(*source);
  source.reset();
  EXPECT_TRUE(Same(copy.dComp, before.dComp));
  EXPECT_TRUE(Same(copy.nComp, before.nComp));
  ASSERT_NE(copy.pSec, nullptr);
  EXPECT_EQ(copy.pSec->dHead[1], 8.5);
}

}  // namespace
