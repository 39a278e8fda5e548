#pragma once

#include <QImage>
#include <QPixmap>
#include <QString>

#include <bitset>
#include <functional>

class QWidget;

namespace shell {
class PictureBox;
}

namespace quiz {

constexpr int firstPicture = 101; // "A"
constexpr int lastPicture = 126;  // "Z"
constexpr int pictureOffset = 36; // picture number = character code + 36

// The picture of the n-th letter (1 is A), and the letter a picture shows.
constexpr int pictureOfLetter(int n)
{
    return firstPicture - 1 + n;
}
inline QChar letterOfPicture(int pictureNumber)
{
    return QChar(pictureNumber - pictureOffset);
}

// Raised dots of a letter "A".."Z": bit 0 is dot 1 ... bit 5 is dot 6.
std::bitset<6> raisedDots(QChar letter);

struct CellGeometry {
    int width;
    int height;
    qreal diameter;
    qreal columnX[2];
    qreal rowY[3];
};
// The two sizes of cell picture: A and O are drawn smaller.
const CellGeometry& geometryFor(int pictureNumber);

// Draws cell picture 101..126 at the given device pixel ratio; at ratio 1
// the picture is the 96-dpi bitmap. Any other number fails like a missing
// resource.
QImage drawCellPicture(int pictureNumber, qreal devicePixelRatio = 1.0);
QPixmap LoadCellPicture(int pictureNumber, qreal devicePixelRatio = 1.0);

// The raised dots of a picture in words, for assistive tools: "dots 1 2 4 5".
QString cellDescription(int pictureNumber);

// A window's source of cell pictures; tests hand in their own.
using PictureLoader = std::function<QPixmap(int pictureNumber)>;
QPixmap loadPictureFor(const QWidget* widget, int pictureNumber);

// Loads cell picture `number` into the box, with its dots in words for
// assistive tools. A failing load leaves the box as it was.
void showCellPicture(shell::PictureBox* box, const PictureLoader& load, int number);

} // namespace quiz
