#include "app/HelperApp.h"

void CHelperApp::HandleDownload(std::string) {}
