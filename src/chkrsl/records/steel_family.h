// Steel-family records of particular structure kinds: light steel, grid,
// pole and tower, aluminium alloy and high-rise steel members. Each is a
// steel record with a fixed block of its own fields appended after the
// common body and the section sub-record. The own fields are stored
// unchanged and named by array and position in file order.
#pragma once

#include "chkrsl/export.h"
#include "chkrsl/io/source.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>

#include "chkrsl/records/steel.h"

// Light steel members (element type codes 1 and 4).
class CHKRSL_API DataForLightSteel : public DataForSteelBase {
 public:
  static constexpr size_t kOwnBytes = 180;

  DataForLightSteel() = default;
  DataForLightSteel(const DataForLightSteel&) = default;
  DataForLightSteel& operator=(const DataForLightSteel&) = default;

  void WriteToCHK(std::FILE* f) override;
  bool ReadRsl(std::FILE* f) override;
  bool ReadFrom(chkrsl::io::Source& in);

  // Body bytes (without header) of an entry of this class.
  static int64_t BodyBytes(int eleType, int secType, bool energy);

  double dLight[19] = {};
  int nLight[7] = {};
  double dLightX = 0;  // kept in memory only: neither written nor read

  // Lists the own block's fields in file order, for writing and reading.
  template <class IO>
  void LayoutOwn(IO& io);
};

// Space grid members (element type code 5).
class CHKRSL_API DataForGrid : public DataForSteelBase {
 public:
  static constexpr size_t kOwnBytes = 204;

  DataForGrid() = default;
  DataForGrid(const DataForGrid&) = default;
  DataForGrid& operator=(const DataForGrid&) = default;

  void WriteToCHK(std::FILE* f) override;
  bool ReadRsl(std::FILE* f) override;
  bool ReadFrom(chkrsl::io::Source& in);

  static int64_t BodyBytes(int eleType, int secType, bool energy);

  int nGrid[3] = {};
  double dGrid[24] = {};  // dGrid[0..20]: 7 x 3, row by row

  template <class IO>
  void LayoutOwn(IO& io);
};

// Pole and tower members (element type codes 3 and 10).
class CHKRSL_API DataForPoleTower : public DataForSteelBase {
 public:
  static constexpr size_t kOwnBytes = 196;

  DataForPoleTower() = default;
  DataForPoleTower(const DataForPoleTower&) = default;
  DataForPoleTower& operator=(const DataForPoleTower&) = default;

  void WriteToCHK(std::FILE* f) override;
  bool ReadRsl(std::FILE* f) override;
  bool ReadFrom(chkrsl::io::Source& in);

  static int64_t BodyBytes(int eleType, int secType, bool energy);

  double dPole[24] = {};  // dPole[0..5]: 2 x 3, dPole[11..22]: 4 x 3
  int nPole[1] = {};

  template <class IO>
  void LayoutOwn(IO& io);
};

// Aluminium-alloy members (element type code 7): a steel record with three
// further doubles after the steel block (and the energy record, if any).
class CHKRSL_API DataForAluminiumAlloy : public DataForSteel {
 public:
  static constexpr size_t kOwnBytes = 24;

  DataForAluminiumAlloy() = default;
  DataForAluminiumAlloy(const DataForAluminiumAlloy&) = default;
  DataForAluminiumAlloy& operator=(const DataForAluminiumAlloy&) = default;

  void WriteToCHK(std::FILE* f) override;
  bool ReadRsl(std::FILE* f) override;
  bool ReadFrom(chkrsl::io::Source& in);

  static int64_t BodyBytes(int eleType, int secType, bool energy);

  double dAl[3] = {};

  template <class IO>
  void LayoutOwn(IO& io);
};

// High-rise steel members (element type code 8, stored as -8 for an
// energy-dissipating member): the steel record under its own class.
class CHKRSL_API DataForHighBuild : public DataForSteel {
 public:
  DataForHighBuild() = default;
  DataForHighBuild(const DataForHighBuild&) = default;
  DataForHighBuild& operator=(const DataForHighBuild&) = default;
};
