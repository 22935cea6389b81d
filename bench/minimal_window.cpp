// The baseline of the start-up benchmark: a Qt Widgets program that shows one window and quits once it
// is shown, as the configurator does with --quit-after-show.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.resize(640, 480);
    window.show();
    QApplication::processEvents();
    return 0;
}
