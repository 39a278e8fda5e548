#pragma once

#include "quiz/cellpictures.h"

#include "shell/appearance.h"
#include "shell/controls.h"
#include "shell/formdefinition.h"
#include "shell/services.h"

#include <QWidget>

class QLineEdit;

namespace review {

// The review window: one letter and its cell at a time, "Next" steps
// from A to Z and round again. Modeless, beside the main window.
class Form4 : public QWidget {
    Q_OBJECT
public:
    Form4(const shell::Services& services, quiz::PictureLoader loadPicture = {},
          QWidget* parent = nullptr);
    ~Form4() override;

    shell::PictureBox* Picture1() const { return m_picture1; }
    shell::Label* Label1() const { return m_label1; }
    shell::Label* Label2() const { return m_label2; }
    shell::PushButton* PushButton1() const { return m_pushButton1; }
    QLineEdit* Text1() const { return m_text1; }
    const shell::MousePointer& pointer() const { return m_pointer; }

    void PushButton1_Click() noexcept;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Form_Load() noexcept;
    void speakLetter();

    shell::Services m_services;
    quiz::PictureLoader m_loadPicture;
    shell::MousePointer m_pointer{this};
    shell::FormControls m_controls;
    shell::PictureBox* m_picture1 = nullptr;
    shell::Label* m_label1 = nullptr;
    shell::Label* m_label2 = nullptr;
    shell::PushButton* m_pushButton1 = nullptr;
    QLineEdit* m_text1 = nullptr;
};

} // namespace review
