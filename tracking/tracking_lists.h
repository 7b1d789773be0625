#pragma once

// The four lists of the tracking window: what each reads, how it is limited
// and what its rows show; and the rules of the two lists edited in place.

#include "shell/browse_list.h"
#include "shell/edit_in_place.h"

namespace kv {

BrowseSetup subjectListSetup(); // ?LIST, KVMATERIAS
BrowseSetup gradeBookSetup(); // ?LIST:2, KVLIBRETA
BrowseSetup studentListSetup(); // ?LIST:3, KVALUAP
BrowseSetup trackingListSetup(); // ?LIST:4, KVSEGUIR

// Grade book: ETAPA 1, ETAPA 2 and ANUAL edited; the three marks always in capitals.
EditSettings gradeBookEditing();
// Tracking rows: the four marks and the observation edited; an "X" in one
// mark puts "-" in the other three.
EditSettings trackingEditing();

// The rules themselves, on a row of the file.
void capitaliseGradeMarks(Record& row);
void applyTrackingMarks(Record& row, int ownedField);

} // namespace kv
