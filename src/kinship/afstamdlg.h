#pragma once

#include <QDialog>
#include <filesystem>
#include <string>
#include <vector>

#include "kinship/descendants.h"
#include "store/document_opener.h"
#include "store/prompt.h"
#include "store/session.h"
#include "store/text_find.h"

class QAction;

namespace brinox {

class FindDialog;
class PressableList;

// "Afstammelingen": everybody who descends from the selected person, with
// the partners, indented by generation. A click tells how a person belongs
// to the progenitor and can make that person the selected one; the list can
// be searched, given another font, saved as a report and the report opened.
class Tafstamdlg : public QDialog {
    Q_OBJECT
public:
    Tafstamdlg(Session& session, Prompt& prompt, DocumentOpener& opener, QWidget* parent = nullptr);

    // Rebuilds the list for the selected person.
    void FormActivate();
    void ListBox1MouseDown(Qt::MouseButton button);
    void SluitenClick();
    void FontClick();
    void ZoekClick();
    void OpslaanClick();
    void BekijkenClick();
    void HelpClick();
    // F3, from this window or the find window: the same search again.
    void FormKeyDown();
    void FindDialog1Find(const FindRequest& request);

    PressableList* ListBox1 = nullptr;
    FindDialog* FindDialog1 = nullptr;
    QAction* Font1 = nullptr;
    QAction* Zoek1 = nullptr;
    QAction* Opslaan1 = nullptr;
    QAction* Bekijken1 = nullptr;
    QAction* Help1 = nullptr;
    QAction* Sluiten1 = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void buildMenuBar();
    void search(const FindRequest& request);

    Session& m_session;
    Prompt& m_prompt;
    DocumentOpener& m_opener;
    DescendantWalk m_walk;
    std::vector<std::string> m_lines;
    std::filesystem::path m_reportFile;
    LineSearch m_search;
};

}  // namespace brinox
