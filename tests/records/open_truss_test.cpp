#include <gtest/gtest.h>

#include "records/family_records.h"

namespace {

using chkrsl_test::Bytes;
using chkrsl_test::Tail;
using chkrsl_test::WrittenBytes;

constexpr size_t kMemberAt = 12 + 488;

DataForOpenTruss Truss(int eleNo) {
  DataForOpenTruss r;
  chkrsl_test::Distinct v(eleNo);
  chkrsl_test::FillBase(r, eleNo, 9, 1, v);
  OpenTruss::Member& m = r.member;
  v.Fill(m.nMember);
  v.Fill(m.nListA);
  v.Fill(m.nListB);
  for (OpenTruss::Section& s : m.section) {
    v.Fill(s.nSec);
    v.Fill(s.dSec);
    v.Fill(s.bSec);
    for (OpenTruss::Plate& p : s.plate) {
      v.Fill(p.nPlate);
      v.Fill(p.dPlate);
      p.bPlate = v.B();
    }
  }
  for (OpenTruss::Force& f : m.force) {
    f.nForce = v.I();
    v.Fill(f.dForce);
  }
  v.Fill(m.material.dMat);
  v.Fill(m.dMember);
  return r;
}

using OpenTrussRecord = chkrsl_test::FamilyTest;

TEST_F(OpenTrussRecord, ReadsBackThroughTheReadersAndCopiesAndClearKeepTheMember) {
  ExpectReadsBack(Truss(3), 9, "CHKOT");
  auto source = std::make_unique<DataForOpenTruss>(Truss(5));
  chkrsl_test::ExpectFieldsAreTheBytes(*source);
  const Bytes member = Tail(WrittenBytes(*source), kMemberAt);
  source->clear();
  EXPECT_EQ(Tail(WrittenBytes(*source), kMemberAt), member);
  chkrsl_test::ExpectDeepCopies(std::move(source));
}

TEST(OpenTrussMember, ForceDiffersOnlyWhenNoEarlierForceMatchesBoth) {
  DataForOpenTruss t;
  for (int i = 0; i < 5; ++i) {
    t.member.force[i].nForce = 10 + i;
    t.member.nListB[i] = 20 + i;
  }
  EXPECT_TRUE(t.IsForceDffrt(0));
  EXPECT_TRUE(t.IsForceDffrt(1));
  t.member.force[1].nForce = 10;  // only the force matches force 0
  EXPECT_TRUE(t.IsForceDffrt(1));
  t.member.nListB[1] = 20;  // both match
  EXPECT_FALSE(t.IsForceDffrt(1));
  t.member.force[4].nForce = 12;
  t.member.nListB[4] = 22;  // matches force 2
  EXPECT_FALSE(t.IsForceDffrt(4));
  EXPECT_FALSE(t.IsForceDffrt(5));  // no such force
}

}  // namespace
