// The floor for any Japanese Qt Widgets program here: a window of the
// calculator's size showing one line of Japanese text in the IPA P Gothic
// font at 12 pixels, with the toolkit's default font handling.
#include <QApplication>
#include <QFont>
#include <QLabel>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("日本語"));
    window.setFixedSize(392, 371 + 20);
    QFont font(QStringLiteral("IPAPGothic"));
    font.setPixelSize(12);
    auto* label = new QLabel(QStringLiteral("入力した２つの日付から、両者間の経過日数を計算します。"), &window);
    label->setFont(font);
    label->move(8, 8);
    label->adjustSize();
    window.show();
    return app.exec();
}
