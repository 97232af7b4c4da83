#pragma once
#include "download/Arrival.h"

#include <string>

// What a run writes into its staging folder before the download is moved
// there, so that a later run can put right what it leaves if it ends
// half-way: where the download is to go and what it must be to count as
// arrived whole. The source is there for whoever looks into the folder.
struct CStagingRecord {
    std::string m_strFolder;  // the download folder
    std::string m_strName;    // the name the download is to have there
    std::string m_strSource;  // the browser's temporary file
    CFileSample m_sample;
};

// The record as bytes: a first line that marks it as the program's, the
// sample's size and offset and the lengths of the texts, then the texts
// (the folder, the name, the source and the sample's bytes) one after the
// other. The layout is the x86 one of either build.
std::string FormatStagingRecord(const CStagingRecord& record);

// Reads a record; false, leaving record untouched, for a text that is not a
// complete record of this form (another program's, an earlier version's, or
// one cut short when its run ended while writing it).
bool ParseStagingRecord(const std::string& text, CStagingRecord& record);
