// The four windows as they are before their load procedures run.
// Positions and sizes in twips (15 to a pixel at 96 dpi). Texts are the
// English source texts; each window's are translated in its class's context.

#include "formdefinition.h"

#include "appearance.h"
#include "controls.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QScreen>

#include <algorithm>
#include <array>
#include <vector>

namespace shell {

namespace {

constexpr FontDef arial9Bold{"Arial", 9, true};
constexpr FontDef arial36Bold{"Arial", 36, true};
constexpr FontDef msSansSerif{"MS Sans Serif", 8.25, false};

using K = ControlKind;

// clang-format off
const std::array form1Controls{
    //         name            kind            container  left   top  width height tab  text
    //: The count box's frame, and the box's name to a screen reader
    ControlDef{"Frame1",      K::Frame,       nullptr,   120,  120, 7800,  825,  2, QT_TRANSLATE_NOOP("shell::Form1", "How many questions would you like to ask before ending?"), WhiteBackground},
    ControlDef{"Text1",       K::TextBox,     "Frame1",  240,  300, 7335,  345,  0, "20"},
    ControlDef{"PushButton1", K::PushButton,  nullptr,   120, 1080, 7800,  405,  1, QT_TRANSLATE_NOOP("shell::Form1", "Start Test")},
    ControlDef{"Frame2",      K::Frame,       nullptr,   120, 1590, 7800,  885,  3, QT_TRANSLATE_NOOP("shell::Form1", "Study First Before Taking Test"), WhiteBackground},
    ControlDef{"PushButton2", K::PushButton,  "Frame2",  240,  300, 7320,  405,  4, QT_TRANSLATE_NOOP("shell::Form1", "Review Braille Letters")},
};

const std::array form2Controls{
    ControlDef{"Label1",      K::Label,       nullptr,   120,  120, 7800, 3735,  5, "", FlatBorder | WindowColours},
    ControlDef{"Picture1",    K::PictureBox,  nullptr,  2880,  360, 2340, 3030,  6, "", WindowColours, &msSansSerif},
    ControlDef{"Frame1",      K::Frame,       nullptr,   120, 3930, 7800, 1395,  0, QT_TRANSLATE_NOOP("quiz::Form2", "Choose the valid letter"), WhiteBackground},
    ControlDef{"PushButton1", K::PushButton,  "Frame1",  240,  300, 3600,  405,  1, ""},
    ControlDef{"PushButton2", K::PushButton,  "Frame1", 3960,  300, 3600,  405,  2, ""},
    ControlDef{"PushButton3", K::PushButton,  "Frame1",  240,  810, 3600,  405,  3, ""},
    ControlDef{"PushButton4", K::PushButton,  "Frame1", 3960,  810, 3600,  405,  4, ""},
    ControlDef{"Frame2",      K::Frame,       nullptr,   120, 5400, 7800,  795,  7, QT_TRANSLATE_NOOP("quiz::Form2", "Last Question Status"), WhiteBackground},
    //: Shown only until the last answer's outcome replaces it
    ControlDef{"Label2",      K::Label,       "Frame2",  240,  300, 7320,  300,  8, QT_TRANSLATE_NOOP("quiz::Form2", "Status Bar"), Centred | FlatBorder | WindowColours},
};

const std::array form3Controls{
    ControlDef{"Text1",         K::TextBox,    nullptr,  240, 6570, 1455,  330,  0, "Text1"},
    //: The summary's frame, and its name to a screen reader
    ControlDef{"Frame1",        K::Frame,      nullptr,  120,  120, 7800, 1575,  2, QT_TRANSLATE_NOOP("review::Form3", "Summary Result"), WhiteBackground},
    ControlDef{"lblCorrect",    K::Label,      "Frame1", 240,  360, 1620,  225,  3, QT_TRANSLATE_NOOP("review::Form3", "Number of Correct:"), WhiteBackground | AutoSize},
    ControlDef{"lblWrong",      K::Label,      "Frame1", 240,  720, 1545,  225,  4, QT_TRANSLATE_NOOP("review::Form3", "Number of Wrong:"), WhiteBackground | AutoSize},
    ControlDef{"lblPercentage", K::Label,      "Frame1", 240, 1080, 1035,  225,  5, QT_TRANSLATE_NOOP("review::Form3", "Percentage:"), WhiteBackground | AutoSize},
    ControlDef{"ListView1",     K::ListView,   nullptr,  120, 1800, 3840, 3885,  6, "", WindowColours, &arial9Bold},
    ControlDef{"ListView2",     K::ListView,   nullptr, 4080, 1800, 3840, 3885,  7, "", WindowColours, &arial9Bold},
    ControlDef{"PushButton1",   K::PushButton, nullptr,  120, 5790, 7800,  405,  1, QT_TRANSLATE_NOOP("review::Form3", "Close Window")},
};

const std::array form4Controls{
    ControlDef{"Label1",      K::Label,      nullptr,  120,  150, 7800, 3735,  2, "", FlatBorder | WindowColours},
    ControlDef{"Picture1",    K::PictureBox, nullptr, 2880,  360, 2340, 3030,  3, "", WindowColours},
    ControlDef{"Label2",      K::Label,      nullptr,  120, 3990, 7800,  945,  4, "A", Centred | FlatBorder | WindowColours, &arial36Bold},
    ControlDef{"PushButton1", K::PushButton, nullptr,  120, 5040, 7800,  405,  1, QT_TRANSLATE_NOOP("review::Form4", "Next")},
    ControlDef{"Text1",       K::TextBox,    nullptr, 1320, 5850,  975,  465,  0, "Text1"},
};

//                        name    width height minimise  window font
const FormDef form1{"Form1", 8040, 2580, true,  arial9Bold,  form1Controls};
const FormDef form2{"Form2", 8040, 6300, false, arial9Bold,  form2Controls};
const FormDef form3{"Form3", 8040, 6315, false, arial9Bold,  form3Controls};
const FormDef form4{"Form4", 8040, 5565, false, msSansSerif, form4Controls};
// clang-format on

bool takesFocus(ControlKind kind)
{
    return kind == K::TextBox || kind == K::PushButton || kind == K::ListView;
}

QWidget* createControl(const ControlDef& def, const char* context, QWidget* container)
{
    const QString text = QCoreApplication::translate(context, def.text);
    switch (def.kind) {
    case K::Frame:
        return new QGroupBox(text, container);
    case K::TextBox: {
        auto* edit = new QLineEdit(text, container);
        edit->setCursorPosition(0);
        return edit;
    }
    case K::PushButton: {
        auto* button = new PushButton(text, container);
        setDefinedFont(button, makeFont(pushButtonFont));
        return button;
    }
    case K::Label: {
        auto* label = new Label(text, container);
        label->setAutoSize(def.look & AutoSize);
        return label;
    }
    case K::PictureBox:
        return new PictureBox(container);
    case K::ListView:
        return new ListView(container);
    }
    return nullptr;
}

} // namespace

const FontDef pushButtonFont{"Arial", 11.25, true};

const FormDef& form1Definition()
{
    return form1;
}
const FormDef& form2Definition()
{
    return form2;
}
const FormDef& form3Definition()
{
    return form3;
}
const FormDef& form4Definition()
{
    return form4;
}

QFont makeFont(const FontDef& def)
{
    QFont font;
    const QString family = QString::fromLatin1(def.family);
    // Metric-compatible faces first where the Windows ones are missing.
    if (family == u"Arial")
        font.setFamilies({family, QStringLiteral("Liberation Sans")});
    else
        font.setFamilies({family, QStringLiteral("Microsoft Sans Serif"),
                          QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    font.setPointSizeF(def.points);
    font.setBold(def.bold);
    return font;
}

FormControls buildForm(const FormDef& definition, QWidget* window)
{
    Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                            Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (definition.minimizeBox)
        flags |= Qt::WindowMinimizeButtonHint;
    window->setWindowFlags(flags);
    window->setObjectName(QString::fromLatin1(definition.name));
    window->setWindowTitle(QString::fromLatin1(definition.name));
    window->setFixedSize(twipsToPixels(definition.clientWidth),
                         twipsToPixels(definition.clientHeight));
    setDefinedFont(window, makeFont(definition.font));
    setWhiteBackColor(window);
    followScheme(window);

    FormControls controls;
    std::vector<std::pair<int, QWidget*>> tabOrder;
    std::vector<QWidget*> labels;
    for (const ControlDef& def : definition.controls) {
        QWidget* container =
            def.container ? controls.widget(QString::fromLatin1(def.container)) : window;
        QWidget* control = createControl(def, window->metaObject()->className(), container);
        control->setObjectName(QString::fromLatin1(def.name));
        control->setGeometry(twipsToPixels(def.left), twipsToPixels(def.top),
                             twipsToPixels(def.width), twipsToPixels(def.height));
        if (def.font)
            setDefinedFont(control, makeFont(*def.font));
        if (def.look & WhiteBackground)
            setWhiteBackColor(control);
        if (def.look & WindowColours)
            setWindowColours(control);
        if (auto* label = qobject_cast<QLabel*>(control)) {
            if (auto* flat = qobject_cast<Label*>(control))
                flat->setFlatBorder(def.look & FlatBorder);
            if (def.look & Centred)
                label->setAlignment(Qt::AlignCenter);
            else if (def.kind == K::Label)
                label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        }
        if (def.kind == K::Label)
            labels.push_back(control);
        control->setFocusPolicy(takesFocus(def.kind) ? Qt::StrongFocus : Qt::NoFocus);
        if (takesFocus(def.kind))
            tabOrder.emplace_back(def.tabIndex, control);
        controls.add(QString::fromLatin1(def.name), control);
    }
    // Labels lie beneath pictures and buttons. Lowered last first, so they
    // keep their order among the children, which assistive tools read.
    for (auto label = labels.rbegin(); label != labels.rend(); ++label)
        (*label)->lower();
    std::sort(tabOrder.begin(), tabOrder.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
    for (std::size_t i = 1; i < tabOrder.size(); ++i)
        QWidget::setTabOrder(tabOrder[i - 1].second, tabOrder[i].second);
    if (!tabOrder.empty())
        tabOrder.front().second->setFocus(Qt::OtherFocusReason);
    return controls;
}

void centreOnScreen(QWidget* window)
{
    QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QRect frame = window->frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window->move(frame.topLeft());
}

} // namespace shell
