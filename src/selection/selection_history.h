#pragma once

#include "store/session.h"

namespace brinox {

// Records a selection: the history keeps the last 18, oldest first; the
// same person may stand in it several times.
void recordSelection(SelectionState& selection, RecordNo r);

}  // namespace brinox
