#pragma once
// What a run that ended half-way leaves in a download folder, planted for the
// tests of what later runs do with it: its staging folder, with the run's
// record "~RUN" for a download of these bytes from source to folder\name
// (none when withRecord is false), and its copy "~PART" (none when null).
#include "download/StagingRecord.h"

#include "Files.h"
#include "TextBytes.h"

#include <windows.h>

#include <string>

inline bool PlantStagingFolder(const std::string& staging, const std::string& folder,
                               const std::string& name, const std::string& source,
                               const std::string& download, bool withRecord,
                               const std::string* copy) {
    CTextBytes bytes(download);
    CStagingRecord record{folder, name, source, {}};
    return TakeSample(bytes, record.m_sample) && CreateDirectoryA(staging.c_str(), nullptr) &&
           (!withRecord || testfs::WriteBytes(staging + "\\~RUN", FormatStagingRecord(record))) &&
           (!copy || testfs::WriteBytes(staging + "\\~PART", *copy));
}
