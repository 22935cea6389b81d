// The configurator's main block.
#include "app/UCreate_Forms.h"
#include "controls/dropdown/GridDropDowns.h"
#include "grid/io/GridIO.h"
#include "platform/Forms.h"

#include <algorithm>
#include <string_view>

int main(int argc, char** argv)
{
    TWindowSystem windowSystem(argc, argv);
    Application->Initialize();
    Application->MainFormOnTaskBar = true;
    // A hidden option for timing the start-up, not for users: show the main window, then quit.
    Application->QuitAfterShow = std::find(argv + 1, argv + argc, std::string_view("--quit-after-show")) != argv + argc;
    InstallGridIO();
    InstallGridDropDowns();
    Create_Forms();
    Application->Run();
    return 0;
}
