#pragma once

#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QTreeWidget>

namespace shell {

// The letter and command buttons: a caption code reads and writes, a click.
// White with the system button-text colour, or the scheme's own face where
// white would hide that colour; a skin's style sheet, where there is one,
// draws it instead.
class PushButton : public QPushButton {
    Q_OBJECT
public:
    explicit PushButton(const QString& caption, QWidget* parent = nullptr);
    QString caption() const { return text(); }
    void setCaption(const QString& caption) { setText(caption); }

protected:
    void paintEvent(QPaintEvent* event) override;
};

// A label whose caption may size it: with auto-size on, the left edge stays
// and the width follows the text.
class Label : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;
    QString caption() const { return text(); }
    void setCaption(const QString& caption);
    void setAutoSize(bool on) { m_autoSize = on; }
    // A one-pixel line around the label, whatever its text colour: black,
    // or the scheme's window-text colour where the scheme is dark.
    void setFlatBorder(bool on);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool m_autoSize = false;
    bool m_flatBorder = false;
};

// Shows a picture unscaled at its top-left corner.
class PictureBox : public QLabel {
    Q_OBJECT
public:
    explicit PictureBox(QWidget* parent = nullptr);
    void setPicture(const QPixmap& picture) { setPixmap(picture); }
};

// A report list: column headers added by code, one text item per row.
class ListView : public QTreeWidget {
    Q_OBJECT
public:
    explicit ListView(QWidget* parent = nullptr);
    void addColumnHeader(const QString& text);
    void setColumnWidthTwips(int column, int twips);
    void addItem(const QString& text);
};

} // namespace shell
