// Records of the steel-family classes filled with values that differ from
// field to field and from the defaults, and comparisons of every field.
#pragma once

#include <gtest/gtest.h>

#include <cstddef>
#include <cstring>
#include <memory>

#include "support/project_fixture.h"

namespace chkrsl_test {

// Hands out values that never repeat; flags run through bytes above 127.
class Distinct {
 public:
  explicit Distinct(int seed) : d_(seed * 1000.0 + 0.125), i_(seed * 1000 + 1), b_(0x80 + seed) {}
  template <size_t N>
  void Fill(double (&a)[N]) {
    for (double& v : a) v = (d_ += 1.5);
  }
  template <size_t N>
  void Fill(int (&a)[N]) {
    for (int& v : a) v = -(i_++);
  }
  template <size_t N>
  void Fill(unsigned char (&a)[N]) {
    for (unsigned char& v : a) v = static_cast<unsigned char>(b_++);
  }
  double D() { return d_ += 1.5; }
  int I() { return -(i_++); }
  unsigned char B() { return static_cast<unsigned char>(b_++); }

 private:
  double d_;
  int i_;
  int b_;
};

template <class T, size_t N>
bool Same(const T (&a)[N], const T (&b)[N]) {
  for (size_t i = 0; i < N; ++i) {
    if (!(a[i] == b[i])) return false;
  }
  return true;
}

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

inline void ExpectSameBase(const DataForSteelBase& a, const DataForSteelBase& b) {
  EXPECT_EQ(a.eleNo, b.eleNo);
  EXPECT_EQ(a.eleType, b.eleType);
  EXPECT_EQ(a.secType, b.secType);
  EXPECT_TRUE(Same(a.hdrInt, b.hdrInt));
  EXPECT_EQ(a.memberKind, b.memberKind);
  EXPECT_EQ(a.checkStatus, b.checkStatus);
  EXPECT_TRUE(Same(a.dBase, b.dBase));
  EXPECT_TRUE(Same(a.nBase, b.nBase));
  ASSERT_EQ(a.pSec == nullptr, b.pSec == nullptr);
  if (a.pSec) {
    EXPECT_TRUE(Same(a.pSec->dHead, b.pSec->dHead));
  }
}

inline void ExpectSameSteel(const DataForSteel& a, const DataForSteel& b) {
  ExpectSameBase(a, b);
  EXPECT_TRUE(Same(a.bSteel, b.bSteel));
  EXPECT_TRUE(Same(a.dSteel, b.dSteel));
  EXPECT_TRUE(Same(a.nSteel, b.nSteel));
  ASSERT_EQ(a.pEnergy == nullptr, b.pEnergy == nullptr);
  if (a.pEnergy) {
    EXPECT_TRUE(Same(a.pEnergy->dEn, b.pEnergy->dEn));
  }
}

// Little-endian expected bytes, built field by field from a layout table.
struct Expect {
  Bytes b;
  Expect& I(int v) { PutI32(b, v); return *this; }
  Expect& D(double v) { PutF64(b, v); return *this; }
  Expect& U(unsigned char v) { b.push_back(v); return *this; }
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

}  // namespace chkrsl_test

namespace chkrsl_test {

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
};

}  // namespace chkrsl_test
