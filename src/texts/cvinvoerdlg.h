#pragma once

#include "texts/life_text_entry.h"
#include "texts/life_text_window.h"
#include "widgets/help_viewer.h"

class QAction;
class QComboBox;
class QLabel;
class QMenu;

namespace brinox {

// The life-description entry window: writes, imports, chooses, saves,
// prints, searches and removes the texts of the SelectedPerson. What each
// command does to the files is LifeTextEntry's; this window shows it.
class Tcvinvoerdlg : public LifeTextWindow {
    Q_OBJECT
public:
    Tcvinvoerdlg(Session& session, Prompt& prompt, HelpViewer& help, PrinterSetup& printer,
                 QWidget* parent = nullptr);

    void Nieuw1Click();
    void import1Click();
    void ImporteereenDOCfile1Click();
    void Opslaan1Click();
    void Afdrukken1Click();
    void fileverwijderenuitbestand1Click();
    void Afsluiten1Click();
    void Lettertype1Click();
    void Lettertype2click();
    void Help1Click();
    void ComboBox1Change(int index);

    QAction* Nieuw1 = nullptr;
    QAction* import1 = nullptr;
    QAction* ImporteereenDOCfile1 = nullptr;
    QAction* Opslaan1 = nullptr;
    QAction* Afdrukken1 = nullptr;
    QAction* fileverwijderenuitbestand1 = nullptr;
    QAction* Afsluiten1 = nullptr;
    QAction* Lettertype1 = nullptr;
    QAction* Zoek1 = nullptr;
    QAction* Help1 = nullptr;
    QMenu* PopupMenu1 = nullptr;
    QAction* Lettertype2 = nullptr;
    QComboBox* ComboBox1 = nullptr;
    QLabel* Label1 = nullptr;

protected:
    void FormActivate() override;
    void showEvent(QShowEvent* event) override;

private:
    void buildMenuBar();
    void buildPanel();
    // Fills the choice list from the entry's text list, its first entry shown.
    void teksten_naar_array();
    void importText(ImportKind kind);
    // After "Nieuw" or an import: the caption and Save name the prepared file.
    void showPrepared();

    LifeTextEntry m_entry;
    HelpViewer& m_help;
};

}  // namespace brinox
