// Records of the steel-family classes filled with values that differ from
// field to field and from the defaults. Records are compared by the bytes
// they write: a record that writes the same bytes holds the same stored
// fields.
#pragma once

#include <memory>
#include <new>
#include <set>
#include <string>
#include <type_traits>

#include "support/allocation_seam.h"
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
  AddSection(r);
  if (r.pSec) v.Fill(r.pSec->dHead);
}

// A record of class Rec with every field of its own block distinct.
template <class Rec>
Rec Make(int eleNo, int eleType, int secType = 1) {
  Rec r;
  Distinct v(eleNo);
  FillBase(r, eleNo, eleType, secType, v);
  auto fill = [&v](auto&... arrays) { (v.Fill(arrays), ...); };
  if constexpr (std::is_same_v<Rec, DataForLightSteel>) {
    fill(r.dLight, r.nLight);
    r.dLightX = v.D();
  } else if constexpr (std::is_same_v<Rec, DataForGrid>) {
    fill(r.nGrid, r.dGrid);
  } else if constexpr (std::is_same_v<Rec, DataForPoleTower>) {
    fill(r.dPole, r.nPole);
  } else if constexpr (std::is_same_v<Rec, DataForConcreteComposite>) {
    fill(r.dComp, r.nComp);
  } else if constexpr (std::is_same_v<Rec, DataForConcreteInside>) {
    fill(r.dIn, r.nIn);
  } else if constexpr (std::is_same_v<Rec, DataForOpenTruss>) {
    OpenTruss::Member& m = r.member;
    fill(m.nMember, m.nListA, m.nListB, m.material.dMat, m.dMember);
    for (OpenTruss::Section& s : m.section) {
      fill(s.nSec, s.dSec, s.bSec);
      for (OpenTruss::Plate& p : s.plate) fill(p.nPlate, p.dPlate), p.bPlate = v.B();
    }
    for (OpenTruss::Force& f : m.force) f.nForce = v.I(), v.Fill(f.dForce);
  } else {
    fill(r.bSteel, r.dSteel, r.nSteel);
    if constexpr (std::is_same_v<Rec, DataForAluminiumAlloy>) v.Fill(r.dAl);
  }
  return r;
}

// The bytes of `entry` from `offset` on.
inline Bytes Tail(const Bytes& entry, size_t offset) {
  return offset <= entry.size() ? Bytes(entry.begin() + static_cast<ptrdiff_t>(offset), entry.end())
                                : Bytes();
}

// Every field VisitFields reports, under its full name, and encoded in
// that order.
class FieldEncoder : public chkrsl::FieldVisitor {
 public:
  void Enter(const chkrsl::FieldName& n) override { path.Enter(n); }
  void Leave() override { path.Leave(); }
  void Int(const chkrsl::FieldName& n, int32_t v) override { Note(n, v), w.I32(v); }
  void Double(const chkrsl::FieldName& n, double v) override { Note(n, v), w.F64(v); }
  void Flag(const chkrsl::FieldName& n, uint8_t v) override { Note(n, v), w.U8(v); }
  void Note(const chkrsl::FieldName& n, double v) {
    values.emplace_back(path.Of(n), v);
    if (!names.insert(values.back().first).second) repeated.insert(values.back().first);
  }
  chkrsl::io::ByteWriter w;
  chkrsl::FieldPath path;
  std::set<std::string> names, repeated;
  std::vector<std::pair<std::string, double>> values;
};
// A record's named fields are exactly the bytes it writes (an edge: its
// number and payload), and no name repeats.
template <class Rec>
void ExpectFieldsAreTheBytes(Rec& rec) {
  const Bytes written = BytesOf(&rec);  // a concrete record sets its length word as it writes
  FieldEncoder e;
  chkrsl::VisitFields(rec, e);
  EXPECT_EQ(e.w.bytes(), written);
  EXPECT_TRUE(e.repeated.empty()) << *e.repeated.begin();
}

// Copy construction and assignment duplicate the sub-records: the copies
// still write the source's bytes once the source is gone. The assigned-to
// record (a copy of `target`, or one holding sub-records of its own) gives
// its own up. Both also with each allocation failing in turn: then nothing
// leaks and the assigned-to record is left as it was.
template <class Rec>
void ExpectDeepCopies(std::unique_ptr<Rec> src, const Rec* target = nullptr) {
  const Bytes original = WrittenBytes(*src);
  for (int64_t fault = 0;; ++fault) {
    const int64_t live = AllocationFaults::Live();
    {
      Rec assigned(target ? *target : Rec());
      if constexpr (std::is_base_of_v<CHKRsl, Rec>) {
        if (!target) assigned.pSec = new DataForNewSec;
      }
      if constexpr (std::is_base_of_v<DataForSteel, Rec>) {
        if (!target) assigned.pEnergy = new DataForEnergyConsume;
      }
      const Bytes before = WrittenBytes(assigned);
      std::unique_ptr<Rec> copy;
      AllocationFaults::Arm(fault);
      try {
        copy = std::make_unique<Rec>(*src);
        assigned = *src;
      } catch (const std::bad_alloc&) {
      }
      AllocationFaults::Disarm();
      if (AllocationFaults::Made() <= fault) {
        src.reset();
        EXPECT_EQ(WrittenBytes(*copy), original);
        EXPECT_EQ(WrittenBytes(assigned), original);
        Rec& alias = assigned;
        assigned = alias;  // self-assignment keeps everything
        EXPECT_EQ(WrittenBytes(assigned), original);
        return;
      }
      EXPECT_EQ(WrittenBytes(assigned), before) << "allocation " << fault;
    }
    EXPECT_EQ(AllocationFaults::Live(), live) << "allocation " << fault;
  }
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
