// The program entry: the application with its title, the main window from its
// stored description, and the message loop until the window closes.
#include <windows.h>

#include <string>

#include "app/ParentConsole.h"
#include "app/Unit1.h"
#include "ui/Application.h"
#include "ui/CommandLine.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    using namespace pakmole;
    TApplication application;
    application.Initialize();
    application.SetTitle("Pakmole by Tarvel");
    try {
        application.CreateForm<TForm1>();
    } catch (...) {
        // Started with arguments, the program is run by a script: nobody would
        // close a message box.
        if (ParamCount() > 0) {
            application.OnException = [](TObject*, const std::exception& error) {
                ParentConsole().WriteLine(std::string("pakmole: ") + error.what());
            };
        }
        application.HandleException(&application);
        return 2;
    }
    application.Run();
    return application.ExitCode();
}
