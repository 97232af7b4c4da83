#include "download/HandedOver.h"

#include "platform/FileBytes.h"
#include "platform/FileStatus.h"
#include "platform/InUse.h"

CHandedOver RecordHandedOver(const std::string& path) {
    CHandedOver download;
    download.m_strPath = path;
    CFileBytes bytes(path, kInUsePatienceMs);
    download.m_bRecorded = GetFileIdentity(path, download.m_identity) && bytes.IsOpen() &&
                           TakeSample(bytes, download.m_sample);
    return download;
}

bool IsStillHandedOver(const CHandedOver& download) {
    if (download.m_bRecorded) return IsStillFile(download.m_strPath, download.m_identity);
    CFileStatus status;
    return GetFileStatus(download.m_strPath, status);
}
