// The host's display structures filled from stored concrete results: frame
// members (beams and columns), shear walls and wall edges. On success each
// function hands the host a new array with one element per number, element
// i describing number i; the host releases it with ReleaseChkInfo (the
// array is allocated with new[]). On failure the readers have shown their
// message, nothing is allocated and `info` is not set; so also when memory
// runs out, after "内存不足，操作未完成!".
#pragma once

#include "chkrsl/export.h"

#include "chkrsl/platform/acad.h"
#include "chkrsl/platform/display_structs.h"

using AcIntArray = AcArray<int, AcArrayMemCopyReallocator<int>>;

// Concrete frame members read with GetAllEleRsl. Beams get their values at
// the first, middle (n/2) and last section; a beam without sections, an
// element whose record is no concrete record and the fields a member's kind
// does not fill are left 0.
CHKRSL_API bool GetCTMemberChkInfo(AcIntArray& elementNos, ShowConcreteFrameStl*& info);

// Shear walls read with GetAllWallRsl(walls, elementNos).
CHKRSL_API bool GetCTWallChkInfo(AcIntArray& elementNos, ShowShearWallStl*& info);

// Wall edges (numbers from 1) read with GetAllEdgeRsl(edges, edgeNos).
CHKRSL_API bool GetCTEdgeChkInfo(AcIntArray& edgeNos, ShowBoundMemStl*& info);

// Releases an array handed out by the functions above; null is allowed.
CHKRSL_API void ReleaseChkInfo(ShowConcreteFrameStl* info);
CHKRSL_API void ReleaseChkInfo(ShowShearWallStl* info);
CHKRSL_API void ReleaseChkInfo(ShowBoundMemStl* info);
