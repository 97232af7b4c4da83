// Drives the real DARIVOVA.EXE for scripts/screenshots.sh: opens the setup
// dialog and then the about box, and for each writes its window rectangle
// ("left top width height") to <folder>\<name>.rect, then waits until the
// script has taken its picture and created <folder>\<name>.done.
//
//   screenshot_driver <DARIVOVA.EXE> <folder>
#include "Probe.h"
#include "Process.h"

#include <cstdio>
#include <string>

namespace {

constexpr DWORD kWaitMs = 30000;

bool Exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

// Hands one window to the script and waits for its picture.
bool Pose(HWND window, const std::string& folder, const std::string& name) {
    // Let the window paint before it is taken.
    Sleep(500);
    const RECT rect = probe::Describe(window).rect;
    const std::string path = folder + "\\" + name + ".rect";
    FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) return false;
    std::fprintf(file, "%ld %ld %ld %ld\n", rect.left, rect.top, rect.right - rect.left,
                 rect.bottom - rect.top);
    std::fclose(file);
    const std::string done = folder + "\\" + name + ".done";
    for (DWORD waited = 0; !Exists(done); waited += 50) {
        if (waited >= kWaitMs) return false;
        Sleep(50);
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) return 2;
    const std::string folder = argv[2];
    CChildProcess program;
    if (!program.Start(Quoted(argv[1]))) return 3;

    HWND setup = probe::WaitForWindow(program.Id(), "Ombrix Netscape Helper - Beta 1", kWaitMs);
    if (setup == nullptr || !Pose(setup, folder, "setup")) return 4;

    probe::SystemCommand(setup, 16);
    HWND about = probe::WaitForWindow(program.Id(), "About DarivoVA", kWaitMs, {setup});
    if (about == nullptr || !Pose(about, folder, "about")) return 5;

    probe::Press(about, IDOK);
    probe::WaitUntilGone(about, kWaitMs);
    probe::Press(setup, IDCANCEL);
    return program.Wait(kWaitMs) ? 0 : 6;
}
