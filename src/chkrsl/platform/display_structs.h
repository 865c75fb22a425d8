// Stand-ins for the host's display structures of concrete check results.
// The host declares them and releases the arrays the library fills (see
// presentation/concrete_info.h); the fields are in the host's order. Names
// say which result a field receives; the engineering meaning of the results
// belongs to the suite's design modules.
#pragma once

#include <cstdint>

// One concrete frame member (beam or column).
struct ShowConcreteFrameStl {
  int hostTag;                   // the host's own; the library never writes it
  int memberClass;               // 1 beam, 2 column
  double beamAtSections[3];      // beams: at the first, middle and last section
  double rectBeamAtSections[3];  // rectangular beams: at the first, middle and last section
  double columnValues[6];        // columns
  double endsOrPairedMaxima[3];  // beams: first, last, middle section; columns:
                                 // a paired maximum twice, then a second one
  double extraValues[2];         // rectangular beams, rectangular and special-shaped columns
  double extraColumnValues[2];   // rectangular and special-shaped columns
  uint8_t checked;               // 0 when the member was not checked, else 1
};

// One shear wall: two results of its wall sub-record, scaled by 1e-6.
struct ShowShearWallStl {
  double dRsl2Scaled;  // dRsl[2] x 1e-6
  double dRsl6Scaled;  // dRsl[6] x 1e-6
  uint8_t checked;     // 0 when the wall was not checked, else 1
};

// One wall boundary member (edge), from its DataForWallEdge.
struct ShowBoundMemStl {
  int flag;             // bFlag[0], 0 to 255
  int code;             // nRsl[1]
  double dRsl4Scaled;   // x 0.001
  double dRsl5Scaled;   // x 0.001
  double dRsl2Scaled;   // x 0.001
  double dRsl3Scaled;   // x 0.001
  double dRsl6Scaled;   // x 0.001
  double dRsl7Scaled;   // x 0.001
  double dRsl8Scaled;   // x 0.001
  double dRsl9Scaled;   // x 0.001
  double dRsl10Scaled;  // x 0.001
  double dRsl11;        // unscaled
  double dRsl13Scaled;  // x 1e-6
  double dRsl12Scaled;  // x 1e-6
  double dRsl16;        // unscaled
  double dRsl14;        // unscaled
  double dRsl15;        // unscaled
};
