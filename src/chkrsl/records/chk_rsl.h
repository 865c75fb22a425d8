// Root of every check-result record kept in the result files.
#pragma once

#include "chkrsl/export.h"

#include <cstdio>

class DataForNewSec;

// Identification and status common to all records. A record writes its whole
// file entry (12-byte header and body) with WriteToCHK; ReadRsl reads only
// the body, because the reader reads the header to choose the class.
class CHKRSL_API CHKRsl {
 public:
  CHKRsl();
  // The copy gets its own duplicate of the section sub-record, never a share.
  // Copying and assigning records of every class either succeed or, when
  // memory runs out, throw std::bad_alloc and leave the target as it was.
  // The other members report running out of memory by throwing
  // std::bad_alloc too, leaving the record fit to be read again, assigned
  // and deleted (a sub-record's CopyData may have copied part of its lists).
  // The exported readers and writers never throw.
  CHKRsl(const CHKRsl& src);
  CHKRsl& operator=(const CHKRsl& src);
  virtual ~CHKRsl();

  // Sets checkStatus to 2 and touches nothing else.
  virtual void clear();
  // The root has no body of its own: writes nothing.
  virtual void WriteToCHK(std::FILE* f);
  // Reads the body that follows the entry header. Returns true when the
  // file held the whole body and its counts were sound; a record that
  // returns false is not handed out as a result. Every class reads through
  // a non-virtual ReadFrom(io::Source&) of its own, which the library's
  // readers call through the record table; ReadRsl reads the stream with it.
  virtual bool ReadRsl(std::FILE* f);

  int eleNo = 0;        // element number
  int secType = 0;      // section type code
  int hdrInt[3] = {};   // element attributes stored with the result
  int eleType = 0;      // element type code (always positive in memory)
  int memberKind = 0;   // 6: energy-dissipating steel member
  int checkStatus = 2;  // -1: not checked
  DataForNewSec* pSec = nullptr;  // owned section sub-record, or null

 protected:
  // Replaces pSec by a duplicate of src's sub-record (or null); when memory
  // runs out pSec stays as it was.
  void CopySectionFrom(const DataForNewSec* src);
};
