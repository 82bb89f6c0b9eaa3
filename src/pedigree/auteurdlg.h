#pragma once

#include <QDialog>

#include "store/session.h"

namespace brinox {

// "About auteur": a greeting from the maker. Its hint stays up long while the
// window is open; after it closes, every hint of the program stays up 3 seconds.
class Tauteurdlg : public QDialog {
    Q_OBJECT
public:
    explicit Tauteurdlg(Session& session, QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    Session& m_session;
};

}  // namespace brinox
