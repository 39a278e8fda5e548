#include "appearance.h"

#include "errorreport.h"
#include "platform.h"
#include "runtime.h"

#include <QApplication>
#include <QBuffer>
#include <QCheckBox>
#include <QEvent>
#include <QFile>
#include <QGroupBox>
#include <QImageReader>
#include <QLabel>
#include <QMouseEvent>
#include <QPalette>
#include <QRadioButton>
#include <QWidget>
#include <QtEndian>

#include <algorithm>
#include <cmath>

namespace shell {

QColor buttonFaceColor()
{
    return QApplication::palette().color(QPalette::Active, QPalette::Button);
}

QColor windowBackgroundColor()
{
    return QApplication::palette().color(QPalette::Active, QPalette::Base);
}

QColor windowTextColor()
{
    return QApplication::palette().color(QPalette::Active, QPalette::Text);
}

double contrastRatio(const QColor& a, const QColor& b)
{
    const auto luminance = [](const QColor& c) {
        const auto channel = [](float v) {
            return v <= 0.04045f ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) +
               0.0722 * channel(c.blueF());
    };
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

bool schemeTakesWhite()
{
    // Judged by the palette's values: a desktop may call itself dark and
    // still hand Qt a light palette.
    const QPalette palette = QApplication::palette();
    for (const QPalette::ColorRole ink :
         {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
        if (contrastRatio(palette.color(QPalette::Active, ink), Qt::white) < 4.5)
            return false;
    }
    return true;
}

void setWhiteBackColor(QWidget* widget, QPalette::ColorRole ground)
{
    if (schemeTakesWhite()) {
        setBackColor(widget, Qt::white);
        return;
    }
    const QPalette scheme = QApplication::palette();
    const QPalette::ColorRole ink = ground == QPalette::Base     ? QPalette::Text
                                    : ground == QPalette::Button ? QPalette::ButtonText
                                                                 : QPalette::WindowText;
    setBackColor(widget, scheme.color(QPalette::Active, ground));
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, scheme.color(QPalette::Active, ink));
    widget->setPalette(palette);
}

void setBackColor(QWidget* widget, const QColor& color)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, color);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void setForeColor(QWidget* widget, const QColor& color)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, color);
    palette.setColor(QPalette::Text, color);
    widget->setPalette(palette);
}

QColor colorFromPacked(qint32 packed)
{
    return QColor(packed & 0xFF, (packed >> 8) & 0xFF, (packed >> 16) & 0xFF);
}

qint32 packedColor(const QColor& color)
{
    return color.red() + 256 * color.green() + 65536 * color.blue();
}

namespace {

bool takesBackColor(const QWidget* widget)
{
    return qobject_cast<const QGroupBox*>(widget) || qobject_cast<const QLabel*>(widget) ||
           qobject_cast<const QCheckBox*>(widget) || qobject_cast<const QRadioButton*>(widget);
}

// Every control of the window, nested ones included, in creation order.
template <typename Visit> void forEachControl(QWidget* parent, Visit&& visit)
{
    for (QObject* child : parent->children()) {
        auto* widget = qobject_cast<QWidget*>(child);
        if (!widget || widget->isWindow())
            continue;
        visit(widget);
        forEachControl(widget, visit);
    }
}

void colourControls(QWidget* window)
{
    const QColor face = buttonFaceColor();
    setBackColor(window, face);
    forEachControl(window, [&](QWidget* control) {
        // A picture box is a QLabel underneath but keeps its own colour.
        if (takesBackColor(control) && !control->inherits("shell::PictureBox"))
            setBackColor(control, face);
    });
}

} // namespace

void SetBackColors(QWidget* window)
{
    colourControls(window);
}

QIcon applicationIcon()
{
    static const QIcon icon(QStringLiteral(":/dotwise/dotwise.ico"));
    return icon;
}

QPoint readCursorHotspot(const QByteArray& file)
{
    const auto u16 = [&](int at) { return qFromLittleEndian<quint16>(file.constData() + at); };
    // Header: reserved 0, type 2 (cursor), at least one image entry.
    if (file.size() < 22 || u16(0) != 0 || u16(2) != 2 || u16(4) < 1)
        raise(ErrorNumber::InvalidPicture);
    return QPoint(u16(10), u16(12));
}

QCursor loadCursorFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        raise(ErrorNumber::FileNotFound);
    // Cursor files are small; anything large is not one. Read what the file
    // holds, not a buffer of the largest size.
    return loadCursorData(file.read(qMin(file.size(), qint64(1) << 20)));
}

QCursor loadCursorData(const QByteArray& bytes)
{
    const QPoint hotspot = readCursorHotspot(bytes);
    QBuffer buffer;
    buffer.setData(bytes);
    QImageReader reader(&buffer, "ico");
    const QImage image = reader.read();
    if (image.isNull())
        raise(ErrorNumber::InvalidPicture);
    const int x = qBound(0, hotspot.x(), image.width() - 1);
    const int y = qBound(0, hotspot.y(), image.height() - 1);
    return QCursor(QPixmap::fromImage(image), x, y);
}

void MousePointer::setPointer(int value)
{
    m_value = value;
    if (!m_window)
        return;
    if (value == Custom)
        m_window->setCursor(m_icon.value_or(QCursor(Qt::PointingHandCursor)));
    else
        m_window->unsetCursor();
}

namespace {

class PointerHandler final : public QObject {
public:
    PointerHandler(QWidget* object, MousePointer& pointer, int value)
        : QObject(object), m_object(object), m_pointer(pointer), m_value(value)
    {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == m_object && event->type() == QEvent::MouseMove) {
            guarded([&] {
                const auto* move = static_cast<QMouseEvent*>(event);
                const QWidget* under = m_object->childAt(move->position().toPoint());
                if (!under)
                    m_pointer.setPointer(m_value);
            });
        }
        return false;
    }

private:
    QWidget* m_object;
    MousePointer& m_pointer;
    int m_value;
};

} // namespace

void addPointerHandler(QWidget* object, MousePointer& pointer, int value)
{
    object->setMouseTracking(true);
    object->installEventFilter(new PointerHandler(object, pointer, value));
}

void StyleSheetSkin::loadSkin(const QString& path, const QString& /*section*/)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        raise(ErrorNumber::FileNotFound);
    const QByteArray bytes = file.read(qMin(file.size(), qint64(1) << 20));
    m_styleSheet = QString::fromUtf8(bytes);
}

void StyleSheetSkin::applyWindow(QWidget* window)
{
    if (!window)
        raise(ErrorNumber::InvalidCall);
    // The skin's rules for dark schemes select on this.
    window->setProperty("scheme", schemeTakesWhite() ? "light" : "dark");
    // Added after the window's own rules, so the skin wins where both speak.
    window->setStyleSheet(window->styleSheet() + QLatin1Char('\n') + m_styleSheet);
}

void ApplySkin(QWidget* window, SkinEngine& skin, const QString& appDirectory)
{
    const QString path = appFile(appDirectory, skinFile);
    if (!isNormalFilePresent(path))
        return;
    colourControls(window);
    skin.loadSkin(path, QString());
    skin.setApplyOptions(skin.applyOptions() | 1);
    skin.setSkinChildControls(true);
    skin.setSkinDialogs(true);
    skin.applyWindow(window);
}

} // namespace shell
