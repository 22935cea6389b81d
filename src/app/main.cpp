// The configurator's main block.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget mainWindow;
    mainWindow.setWindowTitle("Lattisor");
    mainWindow.show();
    return app.exec();
}
