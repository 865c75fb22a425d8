#include "chkrsl/store/record_table.h"

#include <climits>

#include "chkrsl/records/concrete.h"
#include "chkrsl/records/steel.h"

namespace chkrsl {
namespace {

// Own-block sizes of the steel-family classes that are not built yet; their
// codes can be passed over but not read. Each moves into its class when the
// class joins the table.
constexpr int64_t kLightSteelOwnBytes = 180;
constexpr int64_t kGridOwnBytes = 204;
constexpr int64_t kPoleTowerOwnBytes = 196;
constexpr int64_t kAluminiumOwnBytes = 24;
constexpr int64_t kOpenTrussOwnBytes = 6567;
constexpr int64_t kCompositeOwnBytes = 216;
constexpr int64_t kConcreteInsideOwnBytes = 32;
constexpr int64_t kConcreteInsideTailBytes = 180;  // section type 32 only

template <class T>
CHKRsl* Create() {
  return new T;
}

int64_t SteelBytes(int eleType, int secType, bool energy) {
  return DataForSteel::BodyBytes(eleType, secType, energy);
}
int64_t LightSteelBytes(int eleType, int secType, bool) {
  return DataForSteelBase::BaseBodyBytes(eleType, secType) + kLightSteelOwnBytes;
}
int64_t GridBytes(int eleType, int secType, bool) {
  return DataForSteelBase::BaseBodyBytes(eleType, secType) + kGridOwnBytes;
}
int64_t PoleTowerBytes(int eleType, int secType, bool) {
  return DataForSteelBase::BaseBodyBytes(eleType, secType) + kPoleTowerOwnBytes;
}
int64_t AluminiumBytes(int eleType, int secType, bool energy) {
  return DataForSteel::BodyBytes(eleType, secType, energy) + kAluminiumOwnBytes;
}
int64_t OpenTrussBytes(int eleType, int secType, bool) {
  return DataForSteelBase::BaseBodyBytes(eleType, secType) + kOpenTrussOwnBytes;
}
int64_t CompositeBytes(int eleType, int secType, bool) {
  return DataForSteelBase::BaseBodyBytes(eleType, secType) + kCompositeOwnBytes;
}
int64_t ConcreteInsideBytes(int eleType, int secType, bool) {
  return DataForSteelBase::BaseBodyBytes(eleType, secType) + kConcreteInsideOwnBytes +
         (secType == 32 ? kConcreteInsideTailBytes : 0);
}

const RecordKind kSteel{Create<DataForSteel>, SteelBytes};
const RecordKind kHighBuild{nullptr, SteelBytes};
const RecordKind kLightSteel{nullptr, LightSteelBytes};
const RecordKind kGrid{nullptr, GridBytes};
const RecordKind kPoleTower{nullptr, PoleTowerBytes};
const RecordKind kAluminium{nullptr, AluminiumBytes};
const RecordKind kOpenTruss{nullptr, OpenTrussBytes};
const RecordKind kConcrete{Create<DataForConcreteBase>, nullptr};
const RecordKind kComposite{nullptr, CompositeBytes};
const RecordKind kConcreteInside{nullptr, ConcreteInsideBytes};

}  // namespace

const RecordKind& RecordKindOf(int code) {
  switch (code) {
    case 1: case 4: return kLightSteel;
    case 2: case 6: case -6: return kSteel;
    case 8: case -8: return kHighBuild;
    case 3: case 10: return kPoleTower;
    case 5: return kGrid;
    case 7: return kAluminium;
    case 9: return kOpenTruss;
    case 11: case 18: return kConcrete;
    case 76: case 78: return kComposite;
    default: return kConcreteInside;  // 216, 218, 226, 228, 316, 318 and any other
  }
}

bool StoredCodeToEleType(int code, int& eleType) {
  if (code == INT_MIN) return false;
  eleType = code < 0 ? -code : code;
  return true;
}

int64_t EntryBodyBytes(int code, int secType) {
  const RecordKind& kind = RecordKindOf(code);
  int eleType = 0;
  if (!kind.bodyBytes || !StoredCodeToEleType(code, eleType)) return -1;
  // Only -6 and -8 mark an energy record; other negative codes are unknown.
  const bool energy = code == -6 || code == -8;
  return kind.bodyBytes(eleType, secType, energy);
}

}  // namespace chkrsl
