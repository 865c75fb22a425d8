// Records of the steel-family classes filled with values that differ from
// field to field and from the defaults. Records are compared by the bytes
// they write: a record that writes the same bytes holds the same stored
// fields.
#pragma once

#include <memory>
#include <string>
#include <type_traits>

#include "support/project_fixture.h"

namespace chkrsl_test {

// Header, attributes and common results; memberKind stays below 6.
inline void FillBase(DataForSteelBase& r, int eleNo, int eleType, int secType, Distinct& v) {
  r.eleNo = eleNo;
  r.eleType = eleType;
  r.secType = secType;
  v.Fill(r.hdrInt);
  r.memberKind = 2;
  r.checkStatus = -1;
  v.Fill(r.dBase);
  v.Fill(r.nBase);
  delete r.pSec;
  r.pSec = nullptr;
  if (JudgeSecCate(secType) == 2) r.pSec = new DataForNewSec;
  if (JudgeSecCate(secType) == 3) r.pSec = new DataForLts;
  if (r.pSec) v.Fill(r.pSec->dHead);
}

// The bytes of `entry` from `offset` on.
inline Bytes Tail(const Bytes& entry, size_t offset) {
  return offset <= entry.size() ? Bytes(entry.begin() + static_cast<ptrdiff_t>(offset), entry.end())
                                : Bytes();
}

// Copy construction and assignment duplicate the sub-records: the copies
// still write the source's bytes once the source is gone. The assigned-to
// record held sub-records of its own, which the assignment releases.
template <class Rec>
void ExpectDeepCopies(std::unique_ptr<Rec> src) {
  const Bytes original = WrittenBytes(*src);
  Rec copy(*src);
  Rec assigned;
  assigned.pSec = new DataForNewSec;
  if constexpr (std::is_base_of_v<DataForSteel, Rec>) assigned.pEnergy = new DataForEnergyConsume;
  assigned = *src;
  src.reset();
  EXPECT_EQ(WrittenBytes(copy), original);
  EXPECT_EQ(WrittenBytes(assigned), original);
  Rec& alias = assigned;
  assigned = alias;  // self-assignment keeps everything
  EXPECT_EQ(WrittenBytes(assigned), original);
}

// Stores one record as the only entry of `resultFile`, lists it in "CHKTT"
// with `kind`, reads it back through the element readers and expects the
// bytes it was stored with.
class FamilyTest : public ProjectTest {
 protected:
  template <class Rec>
  void ExpectReadsBack(Rec rec, int kind, const char* resultFile) {
    SCOPED_TRACE(resultFile);
    StoreResults(resultFile, {&rec}, kind);
    CHKRsl* got = nullptr;
    int gotKind = 0;
    ASSERT_EQ(GetOneEleRsl(got, gotKind, rec.eleNo), 1);
    std::unique_ptr<CHKRsl> owned(got);
    Rec* typed = dynamic_cast<Rec*>(got);
    ASSERT_NE(typed, nullptr) << "record of another class";
    EXPECT_EQ(WrittenBytes(*typed), WrittenBytes(rec));
  }
};

}  // namespace chkrsl_test
