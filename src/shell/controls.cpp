#include "controls.h"

#include "formdefinition.h"

#include <QHeaderView>
#include <QPainter>

namespace shell {

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
    QColor border(0x8c, 0x8c, 0x8c);
    if (focus)
        border = palette().color(QPalette::Highlight);
    else if (underMouse() && isEnabled())
        border = QColor(0x4f, 0x79, 0xb5);
    p.setPen(QPen(border, pen));
    p.setBrush(isDown() ? QColor(0xe3, 0xe8, 0xef) : QColor(Qt::white));
    p.drawRoundedRect(frame, 3, 3);
    p.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
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
        p.setPen(QColor(Qt::black));
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

QStringList ListView::itemTexts() const
{
    QStringList texts;
    for (int i = 0; i < topLevelItemCount(); ++i)
        texts << topLevelItem(i)->text(0);
    return texts;
}

} // namespace shell
