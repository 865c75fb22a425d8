#include <gtest/gtest.h>

#include "records/family_records.h"

namespace {

using chkrsl_test::Bytes;
using chkrsl_test::Tail;
using chkrsl_test::WrittenBytes;

constexpr size_t kMemberAt = 12 + 488;

using OpenTrussRecord = chkrsl_test::FamilyTest;

TEST_F(OpenTrussRecord, ReadsBackThroughTheReadersAndCopiesAndClearKeepTheMember) {
  ExpectReadsBack(chkrsl_test::Make<DataForOpenTruss>(3, 9), 9, "CHKOT");
  auto source = std::make_unique<DataForOpenTruss>(chkrsl_test::Make<DataForOpenTruss>(5, 9));
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
