#pragma once

#include <QDialog>
#include <array>

#include "store/session.h"

class QLabel;

namespace brinox {

// "Aantallen": how many persons, unions and attachment files the open family has.
class Taantallendlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int kRows = 10;

    explicit Taantallendlg(const Session& session, QWidget* parent = nullptr);

    // Counts afresh and shows the values.
    void FormActivate();

protected:
    void showEvent(QShowEvent* event) override;

private:
    const Session& m_session;
    std::array<QLabel*, kRows> m_labels{};
    std::array<QLabel*, kRows> m_values{};
};

}  // namespace brinox
