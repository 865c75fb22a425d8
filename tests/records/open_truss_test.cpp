#include <gtest/gtest.h>

#include "records/family_records.h"

namespace {

using chkrsl_test::Bytes;
using chkrsl_test::GetF64;
using chkrsl_test::GetI32;
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

TEST(OpenTrussLayout, MemberSectionAndPlateOffsets) {
  DataForOpenTruss t = Truss(1);
  const OpenTruss::Member& m = t.member;
  const Bytes e = WrittenBytes(t);
  ASSERT_EQ(e.size(), 7067u);
  EXPECT_EQ(chkrsl::EntryBodyBytes(9, 1), 7067 - 12);
  const size_t at = kMemberAt;
  EXPECT_EQ(GetI32(e, at + 4), m.nMember[1]);
  EXPECT_EQ(GetF64(e, at + 8), m.material.dMat[0]);
  EXPECT_EQ(GetI32(e, at + 76), m.nListB[4]);
  EXPECT_EQ(GetF64(e, at + 80 + 44 * 4 + 4 + 32), m.force[4].dForce[4]);
  EXPECT_EQ(GetF64(e, at + 6415 + 18 * 8), m.dMember[18]);

  const OpenTruss::Section& s1 = m.section[1];
  const size_t sec = at + 300 + 1223;
  EXPECT_EQ(e[sec], s1.bSec[0]);
  EXPECT_EQ(GetI32(e, sec + 1), s1.nSec[0]);
  EXPECT_EQ(GetF64(e, sec + 1179), s1.dSec[0]);
  EXPECT_EQ(Bytes(e.begin() + sec + 1219, e.begin() + sec + 1223), Bytes(s1.bSec + 1, s1.bSec + 5));
  const OpenTruss::Plate& p = s1.plate[2];
  const size_t pl = sec + 9 + 2 * 117;
  EXPECT_EQ(GetI32(e, pl + 20), p.nPlate[1]);
  EXPECT_EQ(GetI32(e, pl + 56), p.nPlate[6]);
  EXPECT_EQ(GetF64(e, pl + 60), p.dPlate[4]);
  EXPECT_EQ(e[pl + 116], p.bPlate);
}

using OpenTrussRecord = chkrsl_test::FamilyTest;

TEST_F(OpenTrussRecord, ReadsBackThroughTheReadersAndCopiesAndClearKeepTheMember) {
  ExpectReadsBack(Truss(3), 9, "CHKOT");
  auto source = std::make_unique<DataForOpenTruss>(Truss(5));
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
