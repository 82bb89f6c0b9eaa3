#pragma once

#include <QDialog>
#include <string>

#include "store/prompt.h"
#include "store/session.h"

class QComboBox;
class QLabel;
class QPushButton;

namespace brinox {

// "Naam van familiebestand": choose an existing family or type a new one.
class Tfamiliedlg : public QDialog {
    Q_OBJECT
public:
    Tfamiliedlg(Session& session, Prompt& prompt, QWidget* parent = nullptr);

    // The code accepted by the last OK.
    const std::string& chosenCode() const { return m_chosen; }

    void FormActivate();
    void okbtnClick();
    void cancelbtnClick();

    QComboBox* ComboBox1 = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

private:
    Session& m_session;
    Prompt& m_prompt;
    std::string m_chosen;
};

}  // namespace brinox
