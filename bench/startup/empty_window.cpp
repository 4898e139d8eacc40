// The floor for any Qt Widgets program here: an empty window of the
// calculator's size, nothing else.
#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("empty"));
    window.setFixedSize(392, 371 + 20);
    window.show();
    return app.exec();
}
