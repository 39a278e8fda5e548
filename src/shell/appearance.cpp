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
#include <QHeaderView>
#include <QImageReader>
#include <QLabel>
#include <QMouseEvent>
#include <QPalette>
#include <QRadioButton>
#include <QStyle>
#include <QStyleFactory>
#include <QTimer>
#include <QTreeView>
#include <QWidget>
#include <QtEndian>

#include <algorithm>
#include <cmath>

namespace shell {

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

namespace {

// What the definitions and the loads asked of a control's colours, kept on
// the control so that they can be decided again for another scheme: a
// fixed colour, a tag naming a colour of the scheme, or for a white ground
// the scheme's role (an int) that stands in where white would hide its ink.
const char* const groundProperty = "dotwiseGround";
const char* const inkProperty = "dotwiseInk";
const char* const fontProperty = "dotwiseFont";
constexpr char faceTag[] = "face"; // the scheme's button face
constexpr char baseTag[] = "base"; // the scheme's text-field ground
constexpr char textTag[] = "text"; // the scheme's text-field ink

// A list's header in Qt's own Fusion look where white would hide the
// scheme's light ink: the Windows styles draw its face from the system's
// visual theme, light whatever the scheme, and its text in the scheme's
// ink. Elsewhere the application's style draws it.
void decideHeader(QTreeView* list, bool white)
{
    QHeaderView* header = list->header();
    const char* const plainProperty = "dotwisePlainHeader";
    const bool plain =
        !white && QApplication::style()->name().compare(u"fusion", Qt::CaseInsensitive) != 0;
    auto* own = header->property(plainProperty).value<QStyle*>();
    if (plain && !own) {
        own = QStyleFactory::create(QStringLiteral("Fusion"));
        if (!own)
            return;
        own->setParent(header);
        header->setProperty(plainProperty, QVariant::fromValue(own));
        header->setStyle(own);
    } else if (!plain && own) {
        header->setStyle(nullptr);
        header->setProperty(plainProperty, QVariant());
        delete own;
    } else {
        return;
    }
    // The list lays out its rows below the header's new height.
    QMetaObject::invokeMethod(list, "updateGeometries");
}

// The one place where a control's colours are decided: from what was asked
// of it and the scheme in use. Only the roles set here are the control's
// own; the others follow its window and the scheme.
void decideColours(QWidget* widget)
{
    const QVariant ground = widget->property(groundProperty);
    const QVariant ink = widget->property(inkProperty);
    if (!ground.isValid() && !ink.isValid())
        return;
    const QPalette scheme = QApplication::palette();
    const auto schemeColour = [&](QPalette::ColorRole role) {
        return scheme.color(QPalette::Active, role);
    };
    const bool white = schemeTakesWhite();
    QPalette palette;
    // The scheme's ink, set as the control's own where white would hide it:
    // the Windows styles draw a frame's title in their visual theme's ink
    // unless the palette names one.
    if (ground.isValid() && !white)
        palette.setColor(QPalette::WindowText, schemeColour(QPalette::WindowText));
    if (ground.typeId() == QMetaType::QColor) {
        palette.setColor(QPalette::Window, ground.value<QColor>());
    } else if (ground.typeId() == QMetaType::Int) {
        const auto role = QPalette::ColorRole(ground.toInt());
        if (white) {
            palette.setColor(QPalette::Window, Qt::white);
        } else {
            // White would hide the scheme's light inks.
            const QPalette::ColorRole pair = role == QPalette::Base     ? QPalette::Text
                                             : role == QPalette::Button ? QPalette::ButtonText
                                                                        : QPalette::WindowText;
            palette.setColor(QPalette::Window, schemeColour(role));
            palette.setColor(QPalette::WindowText, schemeColour(pair));
        }
    } else if (const QByteArray tag = ground.toByteArray(); tag == faceTag) {
        palette.setColor(QPalette::Window, schemeColour(QPalette::Button));
    } else if (tag == baseTag) {
        palette.setColor(QPalette::Window, schemeColour(QPalette::Base));
    }
    if (ink.isValid()) {
        const QColor colour =
            ink.typeId() == QMetaType::QColor ? ink.value<QColor>() : schemeColour(QPalette::Text);
        palette.setColor(QPalette::WindowText, colour);
        palette.setColor(QPalette::Text, colour);
    }
    widget->setPalette(palette);
    widget->setAutoFillBackground(ground.isValid());
    if (auto* list = qobject_cast<QTreeView*>(widget))
        decideHeader(list, white);
}

void askGround(QWidget* widget, const QVariant& ground)
{
    widget->setProperty(groundProperty, ground);
    decideColours(widget);
}

} // namespace

void setWhiteBackColor(QWidget* widget, QPalette::ColorRole ground)
{
    askGround(widget, int(ground));
}

void setBackColor(QWidget* widget, const QColor& color)
{
    askGround(widget, color);
}

void setForeColor(QWidget* widget, const QColor& color)
{
    widget->setProperty(inkProperty, color);
    decideColours(widget);
}

void setWindowColours(QWidget* widget)
{
    widget->setProperty(groundProperty, QByteArray(baseTag));
    widget->setProperty(inkProperty, QByteArray(textTag));
    decideColours(widget);
}

void setDefinedFont(QWidget* widget, const QFont& font)
{
    widget->setProperty(fontProperty, font);
    widget->setFont(font);
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
    const QByteArray face(faceTag);
    askGround(window, face);
    forEachControl(window, [&](QWidget* control) {
        // A picture box is a QLabel underneath but keeps its own colour.
        if (takesBackColor(control) && !control->inherits("shell::PictureBox"))
            askGround(control, face);
    });
}

// The skin's rules for dark schemes select on this.
void markScheme(QWidget* window)
{
    window->setProperty("scheme", schemeTakesWhite() ? "light" : "dark");
}

// Decides a window's colours and fonts again once the desktop has changed
// its scheme or font while the window is open, so that it looks as it
// would had it been opened under them.
class SchemeFollower final : public QObject {
public:
    explicit SchemeFollower(QWidget* window) : QObject(window), m_window(window) { remember(); }

protected:
    // Installed on its window alone.
    bool eventFilter(QObject*, QEvent* event) override
    {
        const QEvent::Type type = event->type();
        if (!m_pending &&
            (type == QEvent::PaletteChange || type == QEvent::ApplicationPaletteChange ||
             type == QEvent::FontChange || type == QEvent::ApplicationFontChange ||
             type == QEvent::StyleChange) &&
            (m_palette != QApplication::palette() || m_font != QApplication::font())) {
            // Once the change is whole: a platform theme changes the
            // palette, the font and the style one after another, and the
            // style change walks every widget's style sheet meanwhile.
            m_pending = true;
            QTimer::singleShot(0, this, [this] {
                m_pending = false;
                guarded([this] { restyle(); });
            });
        }
        return false;
    }

private:
    void remember()
    {
        m_palette = QApplication::palette();
        m_font = QApplication::font();
    }

    void restyle()
    {
        remember();
        // A style sheet keeps the colours and fonts it found at its first
        // polish and puts them back when it goes: it goes first, and comes
        // back once they are decided, as when the window was built.
        const QString skin = m_window->styleSheet();
        if (!skin.isEmpty())
            m_window->setStyleSheet(QString());
        const auto again = [](QWidget* widget) {
            decideColours(widget);
            // A control without a font of its own takes its window's again.
            const QVariant font = widget->property(fontProperty);
            widget->setFont(font.isValid() ? font.value<QFont>() : QFont());
        };
        again(m_window);
        forEachControl(m_window, again);
        if (m_window->property("scheme").isValid())
            markScheme(m_window);
        if (!skin.isEmpty())
            m_window->setStyleSheet(skin);
    }

    QWidget* m_window;
    QPalette m_palette;
    QFont m_font;
    bool m_pending = false;
};

} // namespace

void SetBackColors(QWidget* window)
{
    colourControls(window);
}

void followScheme(QWidget* window)
{
    window->installEventFilter(new SchemeFollower(window));
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
    markScheme(window);
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
