// The program entry: the application with its title, the main window from its
// stored description, and the message loop until the window closes.
#include <windows.h>

#include "app/Unit1.h"
#include "ui/Application.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    using namespace pakmole;
    TApplication application;
    application.Initialize();
    application.SetTitle("Pakmole by Tarvel");
    try {
        application.CreateForm<TForm1>();
    } catch (...) {
        application.HandleException(&application);
        return 2;
    }
    application.Run();
    return application.ExitCode();
}
