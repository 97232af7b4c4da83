// One of several processes that write LaunchDir at the same moment, as
// several downloads may when each user picks a folder. Between its writes it
// reads the value back, as every start of the program does.
//
//   launchdir_writer <writer> <writers> <rounds> <report>
//
// Waits (10 s at most) for the event kLoadStartEvent, so that all writers
// begin together; then writes its own value and reads the value back, rounds
// times. The report file gets "<reads>|<defaults>|<mixtures>": reads that
// gave the default, and reads that gave none of the writers' values. Exit
// code 0 when no read was a mixture, 1 when one was, 2 on bad arguments.
#include "app/HelperApp.h"
#include "app/Settings.h"

#include "LaunchDirValues.h"

#include <cstdio>
#include <cstdlib>
#include <string>

int main(int argc, char** argv) {
    if (argc != 5) return 2;
    const int writer = std::atoi(argv[1]);
    const int writers = std::atoi(argv[2]);
    const int rounds = std::atoi(argv[3]);
    if (writer < 0 || writer >= writers || rounds < 1) return 2;

    CHelperApp app;
    app.InitApplication(GetModuleHandleA(nullptr), SW_HIDE);
    app.SetCompanyKey(kCompanyKey);

    const HANDLE start = OpenEventA(SYNCHRONIZE, FALSE, kLoadStartEvent);
    if (start != nullptr) {
        WaitForSingleObject(start, 10000);
        CloseHandle(start);
    }

    const std::string mine = LaunchDirValue(writer);
    int defaults = 0;
    int mixtures = 0;
    for (int round = 0; round < rounds; ++round) {
        app.WriteSettingString(kSettingsSection, kLaunchDirValue, mine);
        const std::string read = app.GetSettingString(kSettingsSection, kLaunchDirValue, kDefaultFolder);
        if (read == kDefaultFolder) {
            ++defaults;
        } else if (!IsWrittenValue(read, writers)) {
            ++mixtures;
        }
    }

    FILE* report = std::fopen(argv[4], "wb");
    if (report != nullptr) {
        std::fprintf(report, "%d|%d|%d\r\n", rounds, defaults, mixtures);
        std::fclose(report);
    }
    return mixtures == 0 ? 0 : 1;
}
