#pragma once

// What a staging folder that no living run holds has besides its record.
enum class CopyState {
    Absent,    // no copy: the run ended before its move, or after naming it
    Whole,     // the copy holds the sample its record gives
    NotWhole,  // a copy that stopped part-way, or one the record can't vouch for
    Unknown,   // a copy that can't be read now
};

// What a later run does with such a folder.
enum class Recovery {
    Leave,       // nothing: it can't be judged now, or isn't the program's
    NameCopy,    // the download arrived whole: it gets the first free name in
                 // its download folder, then the record and the folder go
    RemoveCopy,  // never named: the copy goes, then the record and the folder
    CleanUp,     // nothing to keep: the record and the folder go
};

// The decision, from whether the run's record could be read and what
// stands beside it. Without a readable record nothing vouches for a copy,
// so the folder is only tidied when it holds none.
Recovery DecideRecovery(bool recordRead, CopyState copy);
