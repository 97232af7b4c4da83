#pragma once
// A bench for the download road inside a test process: a CHelperApp with its
// settings under this test program's name, a folder C:\DlTest that each test
// fills and that goes again afterwards, the archive-utility stand-in installed
// and registered on request, and its record of starts.
#include "app/HelperApp.h"
#include "app/Settings.h"

#include "Files.h"
#include "Known.h"
#include "Registry.h"
#include "Robot.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace dltest {

constexpr char kRoot[] = "C:\\DlTest";
// The same on drive D:, another volume; made by the tests that use it.
constexpr char kOtherRoot[] = "D:\\DlTest";

constexpr char kBytes[] = "PK\x03\x04 an archive's bytes";

// Under kRoot: Path("Download") is C:\DlTest\Download.
std::string Path(const std::string& relative);

using testfs::Exists;
using testfs::ReadBytes;
using testfs::RemoveTree;
using testfs::WriteBytes;

// One start of the archive utility, as its stand-in recorded it.
struct Launch {
    std::string folder;
    std::string argument;
};

// The application object, handed the file at source as the browser hands
// it over: recorded as it is found now.
struct CTestApp : CHelperApp {
    using CHelperApp::RelocateDownload;
    Outcome RelocateDownload(const std::string& source, const std::string& name,
                             std::string folder) {
        return CHelperApp::RelocateDownload(RecordHandedOver(source), name, std::move(folder));
    }
};

class CDownloadTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Copies the stand-in to exePath and registers command as its open command.
    void InstallArchiver(const std::string& exePath, const std::string& command);
    // The stand-in at C:\DlTest\Ombrix\ombrix32.exe, registered unquoted.
    void InstallArchiver();
    // Waits until the stand-in has recorded count starts (5 s at most), and a
    // little longer for any further start; returns all it recorded.
    std::vector<Launch> Launches(std::size_t count);

    // The stored download folder, or "<none>".
    std::string LaunchDir() const;
    void SetUrl(const std::string& temporaryFile, const std::string& url);

    // Checks that the robot saw exactly these windows, all expected: message
    // texts, or "picker" for the folder chooser.
    static void ExpectSeen(const std::vector<CRobot::Seen>& seen,
                           const std::vector<std::string>& windows);

    CTestApp m_app;
    std::string m_settingsKey;
};

}  // namespace dltest
