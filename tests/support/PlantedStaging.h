#pragma once
// What a run that ended half-way leaves in a download folder, planted for the
// tests of what later runs do with it: a staging folder with the run's record
// and, when given, the copy it got to.
#include "download/StagingRecord.h"

#include "Files.h"
#include "TextBytes.h"

#include <windows.h>

#include <string>

namespace planted {

// The record a run writes for a download of these bytes from source, to go
// to folder under name.
inline std::string RecordText(const std::string& folder, const std::string& name,
                              const std::string& source, const std::string& download) {
    CTextBytes bytes(download);
    CStagingRecord record{folder, name, source, {}};
    return TakeSample(bytes, record.m_sample) ? FormatStagingRecord(record) : std::string();
}

// The staging folder, its record "~RUN" (none when record is null) and its
// copy "~PART" (none when copy is null).
inline bool StagingFolder(const std::string& staging, const std::string* record,
                          const std::string* copy) {
    return CreateDirectoryA(staging.c_str(), nullptr) &&
           (!record || testfs::WriteBytes(staging + "\\~RUN", *record)) &&
           (!copy || testfs::WriteBytes(staging + "\\~PART", *copy));
}

}  // namespace planted
