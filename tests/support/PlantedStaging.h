#pragma once
// What a run that ended half-way leaves: its staging folder, with the run's
// record "~RUN" for a download of these bytes from source to folder\name
// (where withRecord), and its copy "~PART" (where given).
#include "download/StagingRecord.h"

#include "Files.h"
#include "TextBytes.h"

#include <windows.h>

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
