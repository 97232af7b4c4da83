#include "app/HelperApp.h"

void CHelperApp::RunSetup(const std::string&) {}
