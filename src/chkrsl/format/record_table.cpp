#include "chkrsl/format/record_table.h"

#include <climits>

#include "chkrsl/records/composite.h"
#include "chkrsl/records/concrete.h"
#include "chkrsl/records/open_truss.h"
#include "chkrsl/records/steel.h"
#include "chkrsl/records/steel_family.h"

namespace chkrsl {
namespace {

template <class T>
CHKRsl* Create() {
  return new T;
}

template <class T>
bool ReadAs(CHKRsl& rec, io::Source& in) {
  return static_cast<T&>(rec).ReadFrom(in);
}

template <class T>
constexpr RecordKind Kind(int64_t (*bodyBytes)(int, int, bool)) {
  return RecordKind{Create<T>, ReadAs<T>, bodyBytes};
}

const RecordKind kSteel = Kind<DataForSteel>(DataForSteel::BodyBytes);
const RecordKind kHighBuild = Kind<DataForHighBuild>(DataForHighBuild::BodyBytes);
const RecordKind kLightSteel = Kind<DataForLightSteel>(DataForLightSteel::BodyBytes);
const RecordKind kGrid = Kind<DataForGrid>(DataForGrid::BodyBytes);
const RecordKind kPoleTower = Kind<DataForPoleTower>(DataForPoleTower::BodyBytes);
const RecordKind kAluminium = Kind<DataForAluminiumAlloy>(DataForAluminiumAlloy::BodyBytes);
const RecordKind kOpenTruss = Kind<DataForOpenTruss>(DataForOpenTruss::BodyBytes);
const RecordKind kConcrete = Kind<DataForConcreteBase>(nullptr);
const RecordKind kComposite = Kind<DataForConcreteComposite>(DataForConcreteComposite::BodyBytes);
const RecordKind kConcreteInside = Kind<DataForConcreteInside>(DataForConcreteInside::BodyBytes);
// The same class for every code the table does not list.
const RecordKind kAnyOther = Kind<DataForConcreteInside>(DataForConcreteInside::BodyBytes);
// A negated concrete code: neither read nor passed over.
const RecordKind kUnreadable{nullptr, nullptr, nullptr};

}  // namespace

// A steel-family record of member kind 6 stores its code negated, whatever
// its class; the negated code names the same class as the positive one.
// Every other code, negated or not, is read as a concrete-filled record,
// but for -11 and -18: a record of those would claim a concrete code.
const RecordKind& RecordKindOf(int code) {
  switch (code) {
    case 1: case 4: case -1: case -4: return kLightSteel;
    case 2: case 6: case -2: case -6: return kSteel;
    case 8: case -8: return kHighBuild;
    case 3: case 10: case -3: case -10: return kPoleTower;
    case 5: case -5: return kGrid;
    case 7: case -7: return kAluminium;
    case 9: case -9: return kOpenTruss;
    case 11: case 18: return kConcrete;
    case -11: case -18: return kUnreadable;
    case 76: case 78: case -76: case -78: return kComposite;
    case 216: case 218: case 226: case 228: case 316: case 318:
    case -216: case -218: case -226: case -228: case -316: case -318: return kConcreteInside;
    default: return kAnyOther;
  }
}

bool IsListedTypeCode(int code) { return &RecordKindOf(code) != &kAnyOther && RecordKindOf(code).create; }

bool StoredCodeToEleType(int code, int& eleType) {
  if (code == INT_MIN || !RecordKindOf(code).create) return false;
  eleType = code < 0 ? -code : code;
  return true;
}

int64_t EntryBodyBytes(int code, int secType) {
  const RecordKind& kind = RecordKindOf(code);
  int eleType = 0;
  if (!kind.bodyBytes || !StoredCodeToEleType(code, eleType)) return -1;
  // A negated code marks member kind 6; the classes derived from
  // DataForSteel then carry an energy record.
  const bool energy = code < 0;
  return kind.bodyBytes(eleType, secType, energy);
}

}  // namespace chkrsl
