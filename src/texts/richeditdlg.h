#pragma once

#include "texts/life_text_reader.h"
#include "texts/life_text_window.h"

class QAction;

namespace brinox {

// The life-description reader: the texts of the SelectedPerson one at a
// time, read-only, with steps to the next and previous text, search, a
// display font and printing. It stays on top while open.
class Tricheditdlg : public LifeTextWindow {
    Q_OBJECT
public:
    Tricheditdlg(Session& session, Prompt& prompt, PrinterSetup& printer, QWidget* parent = nullptr);

    void Afdrukken1Click();
    void Afsluiten1Click();
    void Lettertype1Click();
    void Volgende1Click();
    void Vorige1Click();

    QAction* Afdrukken1 = nullptr;
    QAction* Afsluiten1 = nullptr;
    QAction* Lettertype1 = nullptr;
    QAction* Zoek1 = nullptr;
    QAction* Volgende1 = nullptr;
    QAction* Vorige1 = nullptr;

protected:
    void FormActivate() override;

private:
    void buildMenuBar();
    // Shows the current text and enables the steps that lead somewhere.
    void showCurrent();

    LifeTextReader m_reader;
};

}  // namespace brinox
