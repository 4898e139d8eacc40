// Paints the run button's three pictures and the clear button's picture with
// the painter code of run_images.cpp and writes their pixels as a C++ header,
// so that the program shows them without loading the picture font at start:
//   vadelon_bake_pictures OUT.h
// Run at build time on the offscreen platform; it fails when the font the
// pictures are drawn in is not installed, rather than bake a stand-in.
#include "calculator/run_images.h"
#include "fonts/fonts.h"

#include <QFile>
#include <QFontInfo>
#include <QGuiApplication>
#include <QImage>
#include <QTextStream>

namespace {

void WritePicture(QTextStream& out, const char* name, const QPixmap& pixmap)
{
    const QImage image = pixmap.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
    out << "inline constexpr int " << name << "Width = " << image.width() << ";\n";
    out << "inline constexpr int " << name << "Height = " << image.height() << ";\n";
    out << "inline constexpr std::uint32_t " << name << "[] = {";
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const quint32*>(image.constScanLine(y));
        out << "\n   ";
        for (int x = 0; x < image.width(); ++x)
            out << " 0x" << QString::number(line[x], 16).rightJustified(8, u'0') << ',';
    }
    out << "\n};\n";
}

}  // namespace

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        QTextStream(stderr) << "usage: vadelon_bake_pictures OUT.h\n";
        return 2;
    }
    vadelon::InstallFontSubstitutions();
    const QString family = QFontInfo(vadelon::OwnTextFont(vadelon::kFixedFamily, 16, true)).family();
    if (family != vadelon::kFixedSubstitute) {
        QTextStream(stderr) << "vadelon_bake_pictures: the font " << vadelon::kFixedSubstitute
                            << " is not installed (found " << family << ")\n";
        return 1;
    }
    QFile file(QString::fromLocal8Bit(argv[1]));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        QTextStream(stderr) << "vadelon_bake_pictures: cannot write " << argv[1] << "\n";
        return 1;
    }
    QTextStream out(&file);
    out << "// The pixels of the calculator window's pictures (ARGB, premultiplied), as\n"
           "// calculator/run_images.cpp paints them; made by vadelon_bake_pictures.\n"
           "#pragma once\n#include <cstdint>\n\nnamespace vadelon::baked {\n\n";
    WritePicture(out, "kImage1", vadelon::PaintRunImage(vadelon::RunImage::Image1));
    WritePicture(out, "kImage2", vadelon::PaintRunImage(vadelon::RunImage::Image2));
    WritePicture(out, "kImage3", vadelon::PaintRunImage(vadelon::RunImage::Image3));
    WritePicture(out, "kClearImage", vadelon::PaintClearImage());
    out << "\n}  // namespace vadelon::baked\n";
    out.flush();
    return file.error() == QFileDevice::NoError ? 0 : 1;
}
