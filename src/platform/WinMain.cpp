#include "platform/WinApp.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
    CWinApp& app = TheApplication();
    app.InitApplication(instance, showCommand);
    return app.Run();
}
