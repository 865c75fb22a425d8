#include <gtest/gtest.h>

#include "records/family_records.h"

namespace {

using chkrsl_test::Bytes;
using chkrsl_test::Distinct;
using chkrsl_test::GetF64;
using chkrsl_test::GetI32;
using chkrsl_test::Same;
using chkrsl_test::WrittenBytes;

constexpr size_t kMemberAt = 12 + 488;

void FillMember(OpenTruss::Member& m, Distinct& v) {
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
}

void ExpectSameMember(const OpenTruss::Member& a, const OpenTruss::Member& b) {
  EXPECT_TRUE(Same(a.nMember, b.nMember));
  EXPECT_TRUE(Same(a.nListA, b.nListA));
  EXPECT_TRUE(Same(a.nListB, b.nListB));
  for (int s = 0; s < 5; ++s) {
    EXPECT_TRUE(Same(a.section[s].nSec, b.section[s].nSec));
    EXPECT_TRUE(Same(a.section[s].dSec, b.section[s].dSec));
    EXPECT_TRUE(Same(a.section[s].bSec, b.section[s].bSec));
    for (int p = 0; p < 10; ++p) {
      EXPECT_TRUE(Same(a.section[s].plate[p].nPlate, b.section[s].plate[p].nPlate));
      EXPECT_TRUE(Same(a.section[s].plate[p].dPlate, b.section[s].plate[p].dPlate));
      EXPECT_EQ(a.section[s].plate[p].bPlate, b.section[s].plate[p].bPlate);
    }
    EXPECT_EQ(a.force[s].nForce, b.force[s].nForce);
    EXPECT_TRUE(Same(a.force[s].dForce, b.force[s].dForce));
  }
  EXPECT_TRUE(Same(a.material.dMat, b.material.dMat));
  EXPECT_TRUE(Same(a.dMember, b.dMember));
}

DataForOpenTruss Truss(int eleNo) {
  DataForOpenTruss r;
  Distinct v(eleNo);
  chkrsl_test::FillBase(r, eleNo, 9, 1, v);
  FillMember(r.member, v);
  return r;
}

TEST(OpenTrussLayout, MemberSectionAndPlateOffsets) {
  DataForOpenTruss t = Truss(1);
  const OpenTruss::Member& m = t.member;
  const Bytes e = WrittenBytes(t);
  ASSERT_EQ(e.size(), 7067u);
  const size_t at = kMemberAt;
  EXPECT_EQ(GetI32(e, at + 4), m.nMember[1]);
  EXPECT_EQ(GetF64(e, at + 8), m.material.dMat[0]);
  EXPECT_EQ(GetI32(e, at + 40), m.nListA[0]);
  EXPECT_EQ(GetI32(e, at + 76), m.nListB[4]);
  EXPECT_EQ(GetI32(e, at + 80 + 44), m.force[1].nForce);
  EXPECT_EQ(GetF64(e, at + 80 + 44 * 4 + 4 + 32), m.force[4].dForce[4]);
  EXPECT_EQ(GetF64(e, at + 6415 + 18 * 8), m.dMember[18]);

  const OpenTruss::Section& s1 = m.section[1];
  const size_t sec = at + 300 + 1223;
  EXPECT_EQ(e[sec], s1.bSec[0]);
  EXPECT_EQ(GetI32(e, sec + 1), s1.nSec[0]);
  EXPECT_EQ(GetI32(e, sec + 5), s1.nSec[1]);
  EXPECT_EQ(GetF64(e, sec + 1179), s1.dSec[0]);
  EXPECT_EQ(GetF64(e, sec + 1211), s1.dSec[4]);
  EXPECT_EQ(Bytes(e.begin() + sec + 1219, e.begin() + sec + 1223),
            Bytes(s1.bSec + 1, s1.bSec + 5));

  const OpenTruss::Plate& p = s1.plate[2];
  const size_t pl = sec + 9 + 2 * 117;
  EXPECT_EQ(GetI32(e, pl), p.nPlate[0]);
  EXPECT_EQ(GetF64(e, pl + 12), p.dPlate[1]);
  EXPECT_EQ(GetI32(e, pl + 20), p.nPlate[1]);
  EXPECT_EQ(GetF64(e, pl + 24), p.dPlate[2]);
  EXPECT_EQ(GetI32(e, pl + 36), p.nPlate[3]);
  EXPECT_EQ(GetF64(e, pl + 40), p.dPlate[3]);
  EXPECT_EQ(GetI32(e, pl + 56), p.nPlate[6]);
  EXPECT_EQ(GetF64(e, pl + 60), p.dPlate[4]);
  EXPECT_EQ(GetF64(e, pl + 108), p.dPlate[10]);
  EXPECT_EQ(e[pl + 116], p.bPlate);
}

using OpenTrussRecord = chkrsl_test::FamilyTest;

TEST_F(OpenTrussRecord, ReadsBackThroughTheReadersWithEqualFields) {
  DataForOpenTruss t = Truss(3);
  auto back = StoreAndRead(t, 9, "CHKOT");
  ASSERT_TRUE(back);
  chkrsl_test::ExpectSameBase(*back, t);
  ExpectSameMember(back->member, t.member);
  EXPECT_EQ(WrittenBytes(*back), WrittenBytes(t));

  DataForOpenTruss fresh;
  fresh.eleNo = 4;
  fresh.eleType = 9;
  auto zero = StoreAndRead(fresh, 9, "CHKOT");
  ASSERT_TRUE(zero);
  ExpectSameMember(zero->member, OpenTruss::Member());
}

TEST(OpenTrussMember, CopiesAndClearKeepTheMember) {
  auto source = std::make_unique<DataForOpenTruss>(Truss(5));
  const OpenTruss::Member member = source->member;
  source->clear();
  ExpectSameMember(source->member, member);
  DataForOpenTruss assigned;
  assigned = *source;
  DataForOpenTruss copy(*source);
  source.reset();
  ExpectSameMember(copy.member, member);
  ExpectSameMember(assigned.member, member);
}

TEST(OpenTrussMember, ForceDiffersOnlyWhenNoEarlierForceMatchesBoth) {
  DataForOpenTruss t;
  for (int i = 0; i < 5; ++i) {
    t.member.force[i].nForce = 10 + i;
    t.member.nListB[i] = 20 + i;
  }
  EXPECT_TRUE(t.IsForceDffrt(0));
  EXPECT_TRUE(t.IsForceDffrt(-3));
  EXPECT_TRUE(t.IsForceDffrt(1));
  t.member.force[1].nForce = 10;  // only the force matches force 0
  EXPECT_TRUE(t.IsForceDffrt(1));
  t.member.nListB[1] = 20;  // both match
  EXPECT_FALSE(t.IsForceDffrt(1));
  t.member.force[4].nForce = 12;
  t.member.nListB[4] = 22;  // matches force 2
  EXPECT_FALSE(t.IsForceDffrt(4));
  EXPECT_FALSE(t.IsForceDffrt(5));  // no such force
  EXPECT_FALSE(t.IsForceDffrt(1 << 30));
}

}  // namespace
