#include "controls.h"

#include "appearance.h"
#include "formdefinition.h"

#include <QHeaderView>
#include <QPainter>

namespace shell {

namespace {

QColor blend(const QColor& from, const QColor& to, qreal amount)
{
    return QColor::fromRgbF(from.redF() + (to.redF() - from.redF()) * amount,
                            from.greenF() + (to.greenF() - from.greenF()) * amount,
                            from.blueF() + (to.blueF() - from.blueF()) * amount);
}

} // namespace

PushButton::PushButton(const QString& caption, QWidget* parent) : QPushButton(caption, parent)
{
    setAttribute(Qt::WA_Hover);
    setAutoDefault(true); // Enter presses the focused button, in any window
}

void PushButton::paintEvent(QPaintEvent* event)
{
    if (testAttribute(Qt::WA_StyleSheet)) {
        QPushButton::paintEvent(event);
        return;
    }
    // Drawn here rather than by the style with a white palette: the style
    // caches button pixmaps per palette, and a fresh palette in every
    // question's window would fill that cache.
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const bool focus = hasFocus();
    const qreal pen = focus ? 2.0 : 1.0;
    const QRectF frame = QRectF(rect()).adjusted(pen / 2, pen / 2, -pen / 2, -pen / 2);
    const QPalette& colours = palette();
    const QColor ink =
        colours.color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText);
    QColor face(Qt::white);
    QColor pressed(0xe3, 0xe8, 0xef);
    QColor border(0x8c, 0x8c, 0x8c);
    QColor hover(0x4f, 0x79, 0xb5);
    QColor ring = colours.color(QPalette::Highlight);
    if (!schemeTakesWhite()) {
        // White would hide the scheme's light ink: the scheme's own face,
        // and a focus ring that stands out from it.
        face = colours.color(QPalette::Active, QPalette::Button);
        pressed = blend(face, ink, 0.2);
        border = blend(face, ink, 0.5);
        hover = ink;
        if (contrastRatio(ring, face) < 3.0)
            ring = ink;
    }
    if (focus)
        border = ring;
    else if (underMouse() && isEnabled())
        border = hover;
    p.setPen(QPen(border, pen));
    p.setBrush(isDown() ? pressed : face);
    p.drawRoundedRect(frame, 3, 3);
    p.setPen(ink);
    p.setFont(font());
    p.drawText(rect(), Qt::AlignCenter | Qt::TextShowMnemonic, text());
}

void Label::setCaption(const QString& caption)
{
    setText(caption);
    if (m_autoSize)
        resize(sizeHint().width(), height());
}

void Label::setFlatBorder(bool on)
{
    m_flatBorder = on;
    setContentsMargins(on ? QMargins(1, 1, 1, 1) : QMargins());
    update();
}

void Label::paintEvent(QPaintEvent* event)
{
    QLabel::paintEvent(event);
    if (m_flatBorder) {
        QPainter p(this);
        p.setPen(schemeTakesWhite() ? QColor(Qt::black) : palette().color(QPalette::WindowText));
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

PictureBox::PictureBox(QWidget* parent) : QLabel(parent)
{
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setScaledContents(false);
}

ListView::ListView(QWidget* parent) : QTreeWidget(parent)
{
    setRootIsDecorated(false);
    setColumnCount(0);
    setHeaderHidden(true);
    setUniformRowHeights(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
}

void ListView::addColumnHeader(const QString& text)
{
    const int column = columnCount();
    setColumnCount(column + 1);
    QTreeWidgetItem* header = headerItem();
    header->setText(column, text);
    setHeaderHidden(false);
}

void ListView::setColumnWidthTwips(int column, int twips)
{
    setColumnWidth(column, twipsToPixels(twips));
}

void ListView::addItem(const QString& text)
{
    auto* item = new QTreeWidgetItem(this);
    item->setText(0, text);
}

} // namespace shell
