// Renders the program's SVG icon to the PNG sizes of the desktop's icon theme:
// quillane-icon <icon.svg> <output folder> <size>... writes <output>/<size>x<size>/apps/<name>.png.
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QTextStream>

int main(int argc, char* argv[])
{
    if (argc < 4) {
        QTextStream(stderr) << "usage: quillane-icon <icon.svg> <output folder> <size>...\n";
        return 2;
    }
    const QString svg = QString::fromLocal8Bit(argv[1]);
    QSvgRenderer renderer(svg);
    if (!renderer.isValid())
        return 1;
    const QDir output(QString::fromLocal8Bit(argv[2]));
    for (int n = 3; n < argc; ++n) {
        const int size = QByteArray(argv[n]).toInt();
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        renderer.render(&painter);
        painter.end();
        const QString folder = QStringLiteral("%1x%1/apps").arg(size);
        if (!output.mkpath(folder) ||
            !image.save(output.filePath(folder + '/' + QFileInfo(svg).completeBaseName() + ".png")))
            return 1;
    }
    return 0;
}
