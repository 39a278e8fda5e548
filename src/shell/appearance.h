#pragma once

#include <QColor>
#include <QCursor>
#include <QIcon>
#include <QObject>
#include <QPointer>
#include <QString>

#include <optional>

#include <QWidget>

namespace shell {

// Contrast of two colours as WCAG measures it: 1 (none) to 21 (black on white).
double contrastRatio(const QColor& a, const QColor& b);

// Whether the scheme's inks read on the white grounds of the window
// definitions: true for light schemes, the default among them; false for
// dark and black high-contrast ones, whose light inks white would hide.
bool schemeTakesWhite();

// A control's colours are asked for here and decided for the scheme in
// use; a window that follows the scheme has them decided again when the
// scheme changes.
void setBackColor(QWidget* widget, const QColor& color);
// The white ground of the window definitions where the scheme takes it;
// otherwise the scheme's own pair: `ground` (Window, Base or Button) with
// the ink that goes with it.
void setWhiteBackColor(QWidget* widget, QPalette::ColorRole ground = QPalette::Window);
void setForeColor(QWidget* widget, const QColor& color);
// The system's window colours (the scheme's text-field ground and ink).
void setWindowColours(QWidget* widget);
// A font of the window definitions, set again when the application's font
// changes.
void setDefinedFont(QWidget* widget, const QFont& font);
// Decides the window's colours, fonts and skin again when the desktop
// changes its scheme or font while the window is open.
void followScheme(QWidget* window);

// Colours packed as red + 256 * green + 65536 * blue.
QColor colorFromPacked(qint32 packed);
qint32 packedColor(const QColor& color);

// The window and its frames, labels, check boxes and option buttons get the
// button-face background.
void SetBackColors(QWidget* window);

QIcon applicationIcon();

// Windows cursor files: the hotspot is two little-endian 16-bit values at
// bytes 10..13. Throws "Invalid picture" for anything that is not a cursor.
QPoint readCursorHotspot(const QByteArray& file);
QCursor loadCursorFile(const QString& path);
QCursor loadCursorData(const QByteArray& file);

// A window's pointer setting: 0 the default arrow, 99 its mouse icon (the
// hand cursor, or the platform's pointing hand when none was loaded).
class MousePointer {
public:
    static constexpr int Default = 0;
    static constexpr int Custom = 99;

    explicit MousePointer(QWidget* window) : m_window(window) {}
    void setMouseIcon(const QCursor& cursor) { m_icon = cursor; }
    const std::optional<QCursor>& mouseIcon() const { return m_icon; }
    void setPointer(int value);
    int pointer() const { return m_value; }

private:
    QPointer<QWidget> m_window;
    std::optional<QCursor> m_icon;
    int m_value = Default;
};

// Sets the window's pointer when the mouse moves over `object` itself (not
// over one of its children, which have handlers of their own or none).
void addPointerHandler(QWidget* object, MousePointer& pointer, int value);

// The skinning engine of the main window; the order of its calls is the
// contract, the engine behind it is ours (a Qt style sheet).
class SkinEngine {
public:
    virtual ~SkinEngine() = default;
    virtual void loadSkin(const QString& path, const QString& section) = 0;
    virtual int applyOptions() const = 0;
    virtual void setApplyOptions(int options) = 0;
    virtual void setSkinChildControls(bool on) = 0;
    virtual void setSkinDialogs(bool on) = 0;
    virtual void applyWindow(QWidget* window) = 0;
};

class StyleSheetSkin final : public SkinEngine {
public:
    void loadSkin(const QString& path, const QString& section) override;
    int applyOptions() const override { return m_options; }
    void setApplyOptions(int options) override { m_options = options; }
    // A style sheet always reaches the window's controls and the dialogs it
    // parents, so these switches are already on.
    void setSkinChildControls(bool) override {}
    void setSkinDialogs(bool) override {}
    void applyWindow(QWidget* window) override;

private:
    QString m_styleSheet;
    int m_options = 0;
};

// Skin and background colours of the main window, when the skin file lies
// beside the executable; otherwise nothing.
void ApplySkin(QWidget* window, SkinEngine& skin, const QString& appDirectory);

inline const QString handCursorFile = QStringLiteral("HAND-M.CUR");
inline const QString skinFile = QStringLiteral("x/o.cjs");

} // namespace shell
