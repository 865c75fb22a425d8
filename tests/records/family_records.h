// Records of the steel-family classes filled with values that differ from
// field to field and from the defaults. Records are compared by the bytes
// they write: a record that writes the same bytes holds the same stored
// fields.
#pragma once

#include <gtest/gtest.h>

#include <cstddef>
#include <memory>
#include <type_traits>

#include "support/project_fixture.h"

namespace chkrsl_test {

// Hands out values that never repeat; flags run through bytes above 127.
class Distinct {
 public:
  explicit Distinct(int seed) : d_(seed * 1000.0 + 0.125), i_(seed * 1000 + 1), b_(0x80 + seed) {}
  template <size_t N>
  void Fill(double (&a)[N]) {
    for (double& v : a) v = D();
  }
  template <size_t N>
  void Fill(int (&a)[N]) {
    for (int& v : a) v = I();
  }
  template <size_t N>
  void Fill(unsigned char (&a)[N]) {
    for (unsigned char& v : a) v = B();
  }
  double D() { return d_ += 1.5; }
  int I() { return -(i_++); }
  unsigned char B() { return static_cast<unsigned char>(b_++); }

 private:
  double d_;
  int i_;
  int b_;
};

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

inline void FillSteel(DataForSteel& r, Distinct& v) {
  v.Fill(r.bSteel);
  v.Fill(r.dSteel);
  v.Fill(r.nSteel);
}

// Little-endian expected bytes, built field by field from a layout table.
struct Expect {
  Bytes b;
  Expect& I(int v) { PutI32(b, v); return *this; }
  Expect& D(double v) { PutF64(b, v); return *this; }
  template <size_t N>
  Expect& Ds(const double (&a)[N], size_t from, size_t n) {
    for (size_t i = from; i < from + n; ++i) D(a[i]);
    return *this;
  }
  template <size_t N>
  Expect& Is(const int (&a)[N], size_t from, size_t n) {
    for (size_t i = from; i < from + n; ++i) I(a[i]);
    return *this;
  }
};

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
// with `kind` and reads it back through the element readers.
class FamilyTest : public ProjectTest {
 protected:
  template <class Rec>
  std::unique_ptr<Rec> StoreAndRead(Rec& rec, int kind, const char* resultFile) {
    Bytes file;
    PutI32(file, 1);
    const Bytes entry = WrittenBytes(rec);
    file.insert(file.end(), entry.begin(), entry.end());
    WriteProjectFile(resultFile, file);
    Bytes table;
    PutI32(table, 1);
    PutI32(table, rec.eleNo);
    PutI32(table, kind);
    WriteProjectFile("CHKTT", table);
    doc().SetElementSecType(rec.eleNo, rec.secType);
    CHKRsl* got = nullptr;
    int gotKind = 0;
    EXPECT_EQ(GetOneEleRsl(got, gotKind, rec.eleNo), 1) << resultFile;
    Rec* typed = dynamic_cast<Rec*>(got);
    EXPECT_TRUE(got == nullptr || typed != nullptr) << "record of another class";
    if (!typed) delete got;
    return std::unique_ptr<Rec>(typed);
  }

  // The record read back through the readers writes the bytes it was stored with.
  template <class Rec>
  void ExpectReadsBack(Rec rec, int kind, const char* resultFile) {
    SCOPED_TRACE(resultFile);
    auto back = StoreAndRead(rec, kind, resultFile);
    ASSERT_TRUE(back);
    EXPECT_EQ(WrittenBytes(*back), WrittenBytes(rec));
  }
};

}  // namespace chkrsl_test
