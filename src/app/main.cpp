// The configurator's main block.
#include "app/UCreate_Forms.h"
#include "platform/Forms.h"
#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    Application->Initialize();
    Application->MainFormOnTaskBar = true;
    Create_Forms();
    Application->Run();
    return 0;
}
