// The program: the application object titled "Vornik", the main window from its designed
// description, and the message loop.
#include "app/program/Unit1.h"
#include "framework/forms/Application.h"

#include <windows.h>

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    fw::Application& app = fw::App();
    try {
        RegisterMainWindowClasses(instance);
        app.SetTitle("Vornik");
        app.CreateForm<TForm1>();
    } catch (...) {
        app.HandleException(std::current_exception());
    }
    app.Run();
    // The windows go now, while the static objects they use on their way out (timers, fonts,
    // window classes, the redraw bookkeeping) still exist; left to the application object's own
    // destruction they would go after those, into freed memory.
    app.DestroyComponents();
    return 0;
}
