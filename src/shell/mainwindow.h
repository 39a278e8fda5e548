#pragma once

#include "appearance.h"
#include "controls.h"
#include "formdefinition.h"
#include "services.h"

#include <QLineEdit>
#include <QWidget>

#include <memory>

class QGroupBox;

namespace shell {

// The main window: the question count and the test driver.
class Form1 : public QWidget {
    Q_OBJECT
public:
    Form1(const Services& services, WindowHost& windows,
          std::unique_ptr<SkinEngine> skin = std::make_unique<StyleSheetSkin>(),
          QWidget* parent = nullptr);
    ~Form1() override;

    QLineEdit* Text1() const { return m_text1; }
    PushButton* PushButton1() const { return m_pushButton1; }
    PushButton* PushButton2() const { return m_pushButton2; }
    QGroupBox* Frame1() const { return m_frame1; }
    QGroupBox* Frame2() const { return m_frame2; }
    const MousePointer& pointer() const { return m_pointer; }

    void PushButton1_Click() noexcept;
    void PushButton2_Click() noexcept;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void Form_Load() noexcept;
    void Text1_Change();
    void Text1_GotFocus();
    void Text1_LostFocus();
    void Form_Unload();

    Services m_services;
    WindowHost& m_windows;
    std::unique_ptr<SkinEngine> m_skinFramework1;
    MousePointer m_pointer{this};
    FormControls m_controls;
    QGroupBox* m_frame1 = nullptr;
    QGroupBox* m_frame2 = nullptr;
    QLineEdit* m_text1 = nullptr;
    PushButton* m_pushButton1 = nullptr;
    PushButton* m_pushButton2 = nullptr;
    bool m_unloaded = false;
};

// Cuts the product title at its last space until it fits 40 characters;
// no space left to cut at gives nothing.
std::optional<QString> appTitleFor(const QString& productTitle);
void SetAppTitle();

// With a chance of 1 in 100, opens the home page in the browser.
void OpenHomePageAtRandom(Clock& clock, RandomGenerator& random, DesktopShell& desktop);
extern const char* const homePageAddress;

} // namespace shell
