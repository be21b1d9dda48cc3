// The floor for start-up: a bare Qt Widgets window of the game's size, title and background,
// with nothing in it. bench/run starts it in turn with the game.

#include <QApplication>
#include <QWidget>

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Pipwell"));
    window.setFixedSize(615, 312); // the game's client area and menu bar
    QPalette grey = window.palette();
    grey.setColor(QPalette::Window, QColor(128, 128, 128));
    window.setPalette(grey);
    window.setAutoFillBackground(true);
    window.show();
    return QApplication::exec();
}
