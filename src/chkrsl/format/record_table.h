// The one table that maps the type code of a result-file entry to the record
// class created for it and to the number of body bytes the entry takes.
#pragma once

#include <cstdint>

class CHKRsl;

namespace chkrsl {
namespace io {
class Source;
}

// What a cursor needs to know of an entry's type code.
struct RecordKind {
  // Creates an empty record of the class; null for a code that is not read.
  CHKRsl* (*create)();
  // Reads the body into a record `create` made, through the class's own
  // ReadFrom.
  bool (*read)(CHKRsl& rec, io::Source& in);
  // Body bytes after the 12-byte header, as reading the entry consumes
  // them; null for the codes whose body starts with its own length word.
  int64_t (*bodyBytes)(int eleType, int secType, bool energy);
};

// Kind of a type code as stored in the file. A negated steel-family code
// (-6 and -8 above all) is an energy-dissipating member of the class of
// the positive code; every other code is read as a concrete-filled record,
// but for -11 and -18, which are not read at all (null create).
const RecordKind& RecordKindOf(int storedTypeCode);

// Whether the table lists the code (negated or not) rather than reading it
// by its last row; other codes are written by no class of the library.
bool IsListedTypeCode(int storedTypeCode);

// The element type code kept in memory for a stored code (its absolute
// value); false for a code that cannot be read (INT32_MIN, -11, -18).
bool StoredCodeToEleType(int storedTypeCode, int& eleType);

// Body bytes of an entry with this stored type code and section type, or -1
// when the body carries its own length word.
int64_t EntryBodyBytes(int storedTypeCode, int secType);

}  // namespace chkrsl
