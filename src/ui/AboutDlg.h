#pragma once
#include "platform/Dialog.h"

// The about box: the program icon and its version line. Owned, for its modal
// run, by whichever window of the program is active.
class CAboutDlg : public CDialog {
public:
    CAboutDlg();
};
