// The baseline of the start-up benchmark: the least a Qt Widgets program
// does to show a window of the game's size.

#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Minimal"));
    window.resize(503, 482);
    window.show();
    return app.exec();
}
