#include "cellpictures.h"

#include "shell/controls.h"
#include "shell/runtime.h"

#include <QCoreApplication>
#include <QPainter>
#include <QWidget>

#include <array>

namespace quiz {

namespace {

// Standard English Braille, grade 1: the raised dots of A to Z.
constexpr std::array<const char*, 26> dotTable{
    "1",   "12",   "14",  "145",  "15",   "124",  "1245",  "125",   "24",
    "245", "13",   "123", "134",  "1345", "135",  "1234",  "12345", "1235",
    "234", "2345", "136", "1236", "2456", "1346", "13456", "1356",
};

constexpr CellGeometry large{154, 215, 30, {45.5, 107.5}, {45.5, 107, 168.5}};
constexpr CellGeometry small{143, 200, 28, {42.5, 99.5}, {42.5, 99.5, 156.5}};

const QColor frameTopLeft(119, 119, 119);
const QColor frameBottomRight(136, 136, 136);

} // namespace

std::bitset<6> raisedDots(QChar letter)
{
    const int index = letter.unicode() - u'A';
    std::bitset<6> dots;
    if (index < 0 || index >= int(dotTable.size()))
        return dots;
    for (const char* d = dotTable[std::size_t(index)]; *d; ++d)
        dots.set(std::size_t(*d - '1'));
    return dots;
}

const CellGeometry& geometryFor(int pictureNumber)
{
    const bool isSmall =
        pictureNumber == 'A' + pictureOffset || pictureNumber == 'O' + pictureOffset;
    return isSmall ? small : large;
}

QImage drawCellPicture(int pictureNumber, qreal devicePixelRatio)
{
    if (pictureNumber < firstPicture || pictureNumber > lastPicture)
        throw shell::RuntimeError(
            shell::ErrorNumber::ResourceNotFound,
            QCoreApplication::translate("quiz", "Resource with identifier '%1' not found")
                .arg(pictureNumber));
    const CellGeometry& g = geometryFor(pictureNumber);
    const std::bitset<6> dots = raisedDots(letterOfPicture(pictureNumber));

    QImage image(qRound(g.width * devicePixelRatio), qRound(g.height * devicePixelRatio),
                 QImage::Format_RGB32);
    image.setDevicePixelRatio(devicePixelRatio);
    image.fill(Qt::white);
    QPainter p(&image);
    p.fillRect(QRectF(0, 0, g.width, 1), frameTopLeft);
    p.fillRect(QRectF(0, 0, 1, g.height), frameTopLeft);
    p.fillRect(QRectF(1, g.height - 1, g.width - 1, 1), frameBottomRight);
    p.fillRect(QRectF(g.width - 1, 1, 1, g.height - 1), frameBottomRight);

    p.setRenderHint(QPainter::Antialiasing);
    const qreal radius = g.diameter / 2;
    for (std::size_t dot = 0; dot < 6; ++dot) {
        const QPointF centre(g.columnX[dot / 3], g.rowY[dot % 3]);
        if (dots.test(dot)) {
            p.setPen(Qt::NoPen);
            p.setBrush(Qt::black);
            p.drawEllipse(centre, radius, radius);
        } else {
            // A one-pixel ring just inside a raised dot's outline. The centres
            // lie on pixel centres, so this radius keeps it crisp on the axes.
            p.setPen(QPen(Qt::black, 1.0));
            p.setBrush(Qt::white);
            p.drawEllipse(centre, radius - 1, radius - 1);
        }
    }
    p.end();
    return image;
}

QString cellDescription(int pictureNumber)
{
    const std::bitset<6> dots = raisedDots(letterOfPicture(pictureNumber));
    QStringList raised;
    for (std::size_t dot = 0; dot < dots.size(); ++dot) {
        if (dots.test(dot))
            raised.append(QString::number(dot + 1));
    }
    //: A cell's raised dots as a screen reader speaks them; %1 is their
    //: numbers, e.g. "1 2 4". Singular and plural by how many there are.
    return QCoreApplication::translate("quiz", "dots %1", nullptr, int(raised.size()))
        .arg(raised.join(u' '));
}

QPixmap LoadCellPicture(int pictureNumber, qreal devicePixelRatio)
{
    return QPixmap::fromImage(drawCellPicture(pictureNumber, devicePixelRatio));
}

QPixmap loadPictureFor(const QWidget* widget, int pictureNumber)
{
    // Drawn at the screen's resolution, so cells stay crisp on high-DPI screens.
    return LoadCellPicture(pictureNumber, widget ? widget->devicePixelRatioF() : 1.0);
}

void showCellPicture(shell::PictureBox* box, const PictureLoader& load, int number)
{
    box->setPicture(load(number));
    box->setAccessibleDescription(cellDescription(number));
}

} // namespace quiz
