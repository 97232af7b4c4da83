// The baseline of the start-up benchmark: a GUI program of ours that does
// nothing, built and linked as DARIVOVA.EXE is, so the difference between the
// two is the work of handling a download.
#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    return 0;
}
