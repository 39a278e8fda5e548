#pragma once

#include <QHash>
#include <QString>
#include <QWidget>

#include <span>

namespace shell {

constexpr int twipsPerPixel = 15;
constexpr int twipsToPixels(int twips)
{
    return (twips + twipsPerPixel / 2) / twipsPerPixel;
}

enum class ControlKind { Frame, TextBox, PushButton, Label, PictureBox, ListView };

enum Look : unsigned {
    Plain = 0,
    WhiteBackground = 1,
    FlatBorder = 2,
    Centred = 4,
    WindowColours = 8, // system window background and window text
    AutoSize = 16,
};

struct FontDef {
    const char* family;
    double points;
    bool bold;
};

// One row of a window's definition, positions and sizes in twips relative
// to the container (a frame's own corner, caption included).
struct ControlDef {
    const char* name;
    ControlKind kind;
    const char* container; // nullptr: the window's client area
    int left;
    int top;
    int width;
    int height;
    int tabIndex;
    const char* text;
    unsigned look = Plain;
    const FontDef* font = nullptr; // nullptr: the window's font
};

struct FormDef {
    const char* name;
    int clientWidth; // twips
    int clientHeight;
    bool minimizeBox;
    FontDef font;
    std::span<const ControlDef> controls;
};

const FormDef& form1Definition();
const FormDef& form2Definition();
const FormDef& form3Definition();
const FormDef& form4Definition();

extern const FontDef pushButtonFont;

QFont makeFont(const FontDef& font);

// The controls of one built window, by name.
class FormControls {
public:
    template <typename T> T* get(const QString& name) const
    {
        return qobject_cast<T*>(m_controls.value(name));
    }
    QWidget* widget(const QString& name) const { return m_controls.value(name); }
    void add(const QString& name, QWidget* widget) { m_controls.insert(name, widget); }

private:
    QHash<QString, QWidget*> m_controls;
};

// Builds the window from its definition: client size, border, fonts,
// colours, controls, tab order and the initial focus.
FormControls buildForm(const FormDef& definition, QWidget* window);

void centreOnScreen(QWidget* window);

} // namespace shell
