#pragma once

#include <QDialog>
#include <QWidget>
#include <array>

#include "kinship/relationship.h"
#include "kinship/relationship_drawing.h"
#include "selection/person_picker.h"
#include "store/prompt.h"
#include "store/session.h"
#include "widgets/help_viewer.h"

class QFrame;
class QLabel;
class QMenu;
class QMenuBar;
class QPushButton;

namespace brinox {

// One ancestor drawing: the fixed pattern of letters and forks, the owner's
// first names in the red box and the red frame around the found position.
// Reports every mouse press with its button and place.
class AncestorDrawing : public QWidget {
    Q_OBJECT
public:
    explicit AncestorDrawing(QWidget* parent = nullptr);

    void setContent(const DrawingContent& content);
    const DrawingContent& content() const { return m_content; }

signals:
    void mouseDown(Qt::MouseButton button, QPoint position);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    DrawingContent m_content;
};

// "Verwantschap": how person B is related to person A, in Dutch sentences
// and in two drawings of the ancestor trees.
class Trelatiedlg : public QDialog {
    Q_OBJECT
public:
    Trelatiedlg(Session& session, Prompt& prompt, PersonPicker& picker, HelpViewer& help,
                AncestorIdentifier& identifier, QWidget* parent = nullptr);

    // Clears what the window shows, takes person A from the SelectedPerson
    // and asks for person B.
    void FormActivate();
    void Persoon2Click();
    void KiesPersoon1Click();
    void rel2_btnClick();
    void PaintBox1MouseDown(Qt::MouseButton button, int x, int y);
    void PaintBox2MouseDown(Qt::MouseButton button, int x, int y);
    void SluitenClick();
    void HelpClick();
    // Evaluates the relationship of B to A and shows it.
    void maaknieuwscherm();

    const Relationship& shown() const { return m_shown; }

protected:
    void showEvent(QShowEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void buildMenus();
    void buildResultPanels(QWidget* client);
    void showRelationship();
    void pressDrawing(DrawingSide side, int x, int y);
    void showStatus(const std::string& text);

    Session& m_session;
    Prompt& m_prompt;
    PersonPicker& m_picker;
    HelpViewer& m_help;
    AncestorIdentifier& m_identifier;
    Relationship m_shown;

    QFrame* Panel1 = nullptr;
    QFrame* Panel2 = nullptr;
    QFrame* Panel3 = nullptr;
    QFrame* Panel4 = nullptr;
    QLabel* Panel5 = nullptr;
    AncestorDrawing* PaintBox1 = nullptr;
    AncestorDrawing* PaintBox2 = nullptr;
    std::array<QLabel*, 7> m_labels{};
    QPushButton* rel2_btn = nullptr;
    QMenuBar* MainMenu1 = nullptr;
    QMenu* PopupMenu1 = nullptr;
};

}  // namespace brinox
