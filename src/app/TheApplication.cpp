#include "app/HelperApp.h"

CWinApp& TheApplication() {
    static CHelperApp theApp;
    return theApp;
}
