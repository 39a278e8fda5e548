#include "controls.h"

#include "formdefinition.h"

#include <QHeaderView>

namespace shell {

void Label::setCaption(const QString& caption)
{
    setText(caption);
    if (m_autoSize)
        resize(sizeHint().width(), height());
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
