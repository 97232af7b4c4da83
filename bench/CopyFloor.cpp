// The floor of a move to another drive under this Wine: CopyFileA of one file
// to a new name, then the source deleted, as a move across drives does.
// Exits 0 when both succeeded.
//
//   copyfloor SOURCE TARGET
#include <windows.h>

int main(int argc, char** argv) {
    if (argc != 3) return 1;
    return CopyFileA(argv[1], argv[2], TRUE) && DeleteFileA(argv[1]) ? 0 : 2;
}
