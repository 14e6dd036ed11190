// The yardstick for the start-up measurement: the smallest Qt Widgets program that
// shows one window of the main window's size.
#include <QApplication>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget okno;
    okno.setFixedSize(861, 641);
    okno.show();
    return app.exec();
}
