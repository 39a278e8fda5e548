#pragma once

#include "shell/appearance.h"
#include "shell/controls.h"
#include "shell/formdefinition.h"
#include "shell/services.h"

#include <QDialog>

class QGroupBox;
class QLineEdit;

namespace review {

// The percentage of right answers against the question count, rounded to
// two decimals with ties to even; fails like the runtime for a count of 0.
double percentageRight(qint16 correctCount, qint16 questionCount);

// The results window: counts, percentage and the two letter lists of the
// test just ended. It only reads the session.
class Form3 : public QDialog {
    Q_OBJECT
public:
    // questionCountText: the main window's count box as it reads now.
    Form3(const shell::Services& services, QString questionCountText, QWidget* parent = nullptr);
    ~Form3() override;

    shell::Label* lblCorrect() const { return m_lblCorrect; }
    shell::Label* lblWrong() const { return m_lblWrong; }
    shell::Label* lblPercentage() const { return m_lblPercentage; }
    shell::ListView* ListView1() const { return m_listView1; }
    shell::ListView* ListView2() const { return m_listView2; }
    shell::PushButton* PushButton1() const { return m_pushButton1; }
    QLineEdit* Text1() const { return m_text1; }
    QGroupBox* Frame1() const { return m_frame1; }
    const shell::MousePointer& pointer() const { return m_pointer; }

    void PushButton1_Click() noexcept;

private:
    static QString correctHeader();
    static QString wrongHeader();
    void Form_Load() noexcept;
    void LoadResults() noexcept;

    shell::Services m_services;
    QString m_questionCountText;
    shell::MousePointer m_pointer{this};
    shell::FormControls m_controls;
    shell::Label* m_lblCorrect = nullptr;
    shell::Label* m_lblWrong = nullptr;
    shell::Label* m_lblPercentage = nullptr;
    shell::ListView* m_listView1 = nullptr;
    shell::ListView* m_listView2 = nullptr;
    shell::PushButton* m_pushButton1 = nullptr;
    QLineEdit* m_text1 = nullptr;
    QGroupBox* m_frame1 = nullptr;
};

} // namespace review
