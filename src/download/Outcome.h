#pragma once

// What became of a download that relocation was handed; HandleDownload acts
// on it, and nothing else decides whether the browser's file goes.
enum class Outcome {
    KeptAndOpened,  // moved into the download folder, the archive utility started
    KeptNotOpened,  // moved, but the archive utility did not start (105 shown)
    InPlace,        // it lies at its target in a download folder already; the user
                    // declined to pick another one
    Declined,       // the user said No or Cancel, or cancelled the folder picker
    SourceGone,     // the file left its source before it could be moved
    NotHandled,     // nothing the user decided: a question that could not be shown,
                    // a move that did not arrive
};

// What the answer to one of relocation's Yes/No questions means when it is
// not Yes: No (7) or Cancel (2) is the user's decline; anything else, such
// as the 0 of a message box that could not be shown, decided nothing.
Outcome RefusalOutcome(int answer);

// Whether the browser's temporary file is to be deleted after this outcome,
// as the browser itself would delete it: only when the user declined.
// Never after a move, a failed box or a failed query.
inline bool DeletesTemporaryFile(Outcome outcome) { return outcome == Outcome::Declined; }
