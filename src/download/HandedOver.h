#pragma once
#include "download/Arrival.h"
#include "platform/FileIdentity.h"

#include <string>

// The file the browser handed over, as found at the start of the run: what
// tells it from a file that takes its name later (the browser's next
// download), and what a copy of it must hold to count as arrived whole.
struct CHandedOver {
    std::string m_strPath;
    CFileIdentity m_identity;
    CFileSample m_sample;
    bool m_bRecorded = false;  // false when the file couldn't be read at the start
};

// Records the file at path (a full path).
CHandedOver RecordHandedOver(const std::string& path);

// Whether the file at its path is still the one handed over; for one that
// couldn't be recorded, whether anything is there.
bool IsStillHandedOver(const CHandedOver& download);
