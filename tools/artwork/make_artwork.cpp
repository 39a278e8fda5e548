// Draws the program's own artwork: the application icon (a Braille cell on
// a tile) and the hand cursor. Run it and commit what it writes:
//   dotwise-artwork <resources dir> <data dir>

#include <QColor>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QtEndian>

#include <cstdio>
#include <vector>

namespace {

void put16(QByteArray& out, int value)
{
    const quint16 v = qToLittleEndian(quint16(value));
    out.append(reinterpret_cast<const char*>(&v), 2);
}

void put32(QByteArray& out, qint64 value)
{
    const quint32 v = qToLittleEndian(quint32(value));
    out.append(reinterpret_cast<const char*>(&v), 4);
}

// One image as a device-independent bitmap: header, colour rows bottom-up,
// then the 1-bit transparency mask.
QByteArray dib(const QImage& source, int bitsPerPixel)
{
    const QImage image = source.convertToFormat(QImage::Format_ARGB32);
    const int w = image.width();
    const int h = image.height();
    QByteArray out;
    const int colourRow = ((w * bitsPerPixel / 8) + 3) & ~3;
    const int maskRow = ((w + 31) / 32) * 4;
    put32(out, 40);
    put32(out, w);
    put32(out, 2 * h);
    put16(out, 1);
    put16(out, bitsPerPixel);
    put32(out, 0);
    put32(out, (colourRow + maskRow) * h);
    put32(out, 0);
    put32(out, 0);
    put32(out, 0);
    put32(out, 0);
    for (int y = h - 1; y >= 0; --y) {
        QByteArray row;
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < w; ++x) {
            const QRgb p = line[x];
            // 24-bit images have no alpha: transparent pixels go black under the mask.
            const bool opaque = qAlpha(p) >= 128;
            if (bitsPerPixel == 32) {
                row.append(char(qBlue(p)));
                row.append(char(qGreen(p)));
                row.append(char(qRed(p)));
                row.append(char(qAlpha(p)));
            } else {
                row.append(char(opaque ? qBlue(p) : 0));
                row.append(char(opaque ? qGreen(p) : 0));
                row.append(char(opaque ? qRed(p) : 0));
            }
        }
        row.resize(colourRow, '\0');
        out += row;
    }
    for (int y = h - 1; y >= 0; --y) {
        QByteArray row(maskRow, '\0');
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < w; ++x) {
            if (qAlpha(line[x]) < 128)
                row[x / 8] = char(row[x / 8] | (0x80 >> (x % 8)));
        }
        out += row;
    }
    return out;
}

struct Entry {
    QImage image;
    int bitsPerPixel;
    QPoint hotspot; // cursors only
};

QByteArray iconFile(const std::vector<Entry>& entries, bool cursor)
{
    QByteArray out;
    put16(out, 0);
    put16(out, cursor ? 2 : 1);
    put16(out, int(entries.size()));
    std::vector<QByteArray> images;
    for (const Entry& e : entries)
        images.push_back(dib(e.image, e.bitsPerPixel));
    qint64 offset = 6 + 16 * qint64(entries.size());
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const Entry& e = entries[i];
        out.append(char(e.image.width() >= 256 ? 0 : e.image.width()));
        out.append(char(e.image.height() >= 256 ? 0 : e.image.height()));
        out.append(char(0));
        out.append(char(0));
        put16(out, cursor ? e.hotspot.x() : 1);
        put16(out, cursor ? e.hotspot.y() : e.bitsPerPixel);
        put32(out, images[i].size());
        put32(out, offset);
        offset += images[i].size();
    }
    for (const QByteArray& image : images)
        out += image;
    return out;
}

// A rounded tile in deep blue with a white Braille cell: dots 1, 4 and 5
// raised, the letter D.
QImage drawIcon(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal s = size;
    const QRectF tile(s * 0.04, s * 0.04, s * 0.92, s * 0.92);
    QLinearGradient fill(tile.topLeft(), tile.bottomRight());
    fill.setColorAt(0, QColor(0x2b, 0x6c, 0xb0));
    fill.setColorAt(1, QColor(0x1a, 0x36, 0x5d));
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawRoundedRect(tile, s * 0.18, s * 0.18);

    const qreal radius = s * 0.105;
    const qreal xs[2] = {s * 0.36, s * 0.64};
    const qreal ys[3] = {s * 0.25, s * 0.50, s * 0.75};
    const bool raised[6] = {true, false, false, true, true, false};
    for (int dot = 0; dot < 6; ++dot) {
        const QPointF centre(xs[dot / 3], ys[dot % 3]);
        if (raised[dot]) {
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(0xff, 0xff, 0xff));
            p.drawEllipse(centre, radius, radius);
        } else {
            p.setPen(QPen(QColor(255, 255, 255, 150), qMax(1.0, s * 0.025)));
            p.setBrush(Qt::NoBrush);
            p.drawEllipse(centre, radius * 0.8, radius * 0.8);
        }
    }
    p.end();
    return image;
}

// A pointing hand, index finger up, white with a black outline.
QImage drawHand(QPoint* hotspot)
{
    QImage image(32, 32, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath hand;
    hand.moveTo(10.5, 3.5);
    hand.cubicTo(10.5, 1.5, 14.5, 1.5, 14.5, 3.5); // fingertip
    hand.lineTo(14.5, 13.0);
    hand.cubicTo(14.5, 11.0, 18.5, 11.0, 18.5, 13.0);
    hand.lineTo(18.5, 14.0);
    hand.cubicTo(18.5, 12.0, 22.5, 12.0, 22.5, 14.0);
    hand.lineTo(22.5, 15.0);
    hand.cubicTo(22.5, 13.0, 26.5, 13.0, 26.5, 15.0);
    hand.lineTo(26.5, 22.0);
    hand.cubicTo(26.5, 26.0, 24.5, 29.5, 20.5, 29.5);
    hand.lineTo(14.5, 29.5);
    hand.cubicTo(12.0, 29.5, 10.5, 28.0, 9.0, 26.0);
    hand.lineTo(4.5, 19.5);
    hand.cubicTo(3.5, 18.0, 5.5, 16.0, 7.0, 17.0);
    hand.lineTo(10.5, 20.0);
    hand.closeSubpath();
    p.setPen(QPen(Qt::black, 1.0));
    p.setBrush(Qt::white);
    p.drawPath(hand);
    p.setPen(QPen(QColor(0, 0, 0, 160), 1.0));
    p.drawLine(QPointF(18.5, 14.0), QPointF(18.5, 19.0));
    p.drawLine(QPointF(22.5, 15.0), QPointF(22.5, 19.0));
    p.end();
    *hotspot = QPoint(12, 2);
    return image;
}

bool write(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("wrote %s (%lld bytes)\n", qPrintable(path), static_cast<long long>(bytes.size()));
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s <resources dir> <data dir>\n", argv[0]);
        return 2;
    }
    const QDir resources(QString::fromLocal8Bit(argv[1]));
    const QDir data(QString::fromLocal8Bit(argv[2]));

    // All with alpha: a 24-bit image's mask is read one way by some readers
    // (Qt 6.8, Windows) and ignored by others (Qt 6.4), which show it black.
    std::vector<Entry> icon{{drawIcon(32), 32, {}},
                            {drawIcon(256), 32, {}},
                            {drawIcon(128), 32, {}},
                            {drawIcon(48), 32, {}}};
    bool ok = write(resources.filePath(QStringLiteral("dotwise.ico")), iconFile(icon, false));
    for (int size : {16, 32, 48, 64, 128, 256}) {
        QDir().mkpath(resources.filePath(QStringLiteral("icons")));
        ok = drawIcon(size).save(
                 resources.filePath(QStringLiteral("icons/dotwise-%1.png").arg(size))) &&
             ok;
    }
    QPoint hotspot;
    const QImage hand = drawHand(&hotspot);
    ok =
        write(data.filePath(QStringLiteral("HAND-M.CUR")), iconFile({{hand, 32, hotspot}}, true)) &&
        ok;
    return ok ? 0 : 1;
}
