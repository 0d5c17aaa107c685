// SPDX-License-Identifier: GPL-3.0-or-later
// The baselines of the start-up benchmark: the least a Qt Widgets program
// does to show a window of the game's size, and, with --caption, the same
// window showing one line of text, which makes the toolkit read the system's
// fonts before the window can appear.

#include <QApplication>
#include <QLabel>
#include <QWidget>

#include <cstring>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Minimal"));
    window.resize(503, 482);
    if (argc > 1 && std::strcmp(argv[1], "--caption") == 0)
        (new QLabel(QStringLiteral("Enemy Sea"), &window))->move(10, 10);
    window.show();
    return app.exec();
}
