#pragma once
#include "download/StagingRecord.h"
#include "platform/Handle.h"

#include <string>

// One run's staging folder: a new folder "~Dn" where the download folder's
// staging folders go (StagingParent), holding the run's record "~RUN" and,
// once the move begins, the copy "~PART", a name nobody takes for the
// archive. The record is held open without sharing for the run's life, so
// every other run sees that a living run holds the folder; the system
// closes it when the process ends, however it ends, on 9x and NT alike.
class CStagingFolder {
public:
    CStagingFolder(const std::string& downloadFolder, const CStagingRecord& record);
    CStagingFolder(const CStagingFolder&) = delete;
    CStagingFolder& operator=(const CStagingFolder&) = delete;
    // The record and the folder go, unless the copy may still be in it: then
    // both stay for a later run (RecoverStagingFolders).
    ~CStagingFolder();

    // False when no folder could be made and its record written.
    bool IsReady() const { return m_record.IsValid(); }
    // Where the copy goes.
    std::string CopyPath() const;
    // Whether this run has accounted for the copy: it was named, put back,
    // removed, or never arrived. Until then the folder stays when the run
    // ends.
    void SetCopyAccountedFor(bool accountedFor) { m_bCopyAccountedFor = accountedFor; }

private:
    // Writes the record into the new folder at path and holds it; removes
    // the folder again where that fails.
    void Hold(const std::string& path, const CStagingRecord& record);

    std::string m_strPath;
    CHandle m_record;
    bool m_bCopyAccountedFor = true;
};

// Puts right what runs that ended half-way left in the staging folders for
// downloads into folder: each folder whose record no living run holds is
// judged by its record (DecideRecovery). A whole copy gets the first free
// name in its download folder; any other copy goes; folders that aren't the
// program's, or whose copy can't be read now, stay as they are. Shows
// nothing and waits for nothing.
void RecoverStagingFolders(const std::string& folder);
