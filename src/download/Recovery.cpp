#include "download/Recovery.h"

Recovery DecideRecovery(bool recordRead, CopyState copy) {
    if (copy == CopyState::Absent) return Recovery::CleanUp;
    if (!recordRead || copy == CopyState::Unknown) return Recovery::Leave;
    return copy == CopyState::Whole ? Recovery::NameCopy : Recovery::RemoveCopy;
}
