// The controls a host has over the result store.
#pragma once

#include "chkrsl/export.h"

namespace chkrsl {
namespace host {

// Drops every kept entry index; the next read walks again. For hosts that
// want the memory back or rewrite result files behind the library's back
// with timestamps the file system cannot tell apart. May be called from any
// thread, also while others read.
CHKRSL_API void DropEntryIndexes();

// For programs without the host's design document. The element readers
// hand out a stored result only while its section type is the document's
// current one ("单元未验算!" otherwise); a program that reads a project on
// its own has no document to ask, so it takes the section types the result
// files hold.
// Sets, in the document, the section type of every element listed in
// "CHKTT" to the one stored in its entry: the entry in the plain file of
// its structure kind, else in the kind's "_N" companion. Elements without an
// entry, and numbers from 2^24 on (the document's table grows to the
// largest number), are left as they are. Call it after OpenProject, before
// the readers. Returns how many elements were set; 0 when "CHKTT" cannot
// be read.
CHKRSL_API int AdoptStoredSectionTypes();

}  // namespace host
}  // namespace chkrsl
