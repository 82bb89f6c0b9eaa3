#pragma once

class QDialog;

namespace brinox {

class HelpViewer;
class PersonPicker;
class Tdatadlg;
class Tfamiliedlg;
class THuwdlg;
class Twijzigdlg;

// The modal windows the main window opens. They are created after the main
// window, once, in the program's fixed order, and filled in here as they come.
struct MainWindowDialogs {
    Twijzigdlg* wijzigdlg = nullptr;
    PersonPicker* selectiedlg = nullptr;
    Tdatadlg* datadlg = nullptr;
    THuwdlg* huwdlg = nullptr;
    Tfamiliedlg* familiedlg = nullptr;
    QDialog* relatiedlg = nullptr;
    QDialog* afstamdlg = nullptr;
    QDialog* fotodlg = nullptr;
    QDialog* fotoinvoerdlg = nullptr;
    QDialog* tijdas1dlg = nullptr;
    QDialog* histasdlg = nullptr;
    QDialog* aantallendlg = nullptr;
    QDialog* aboutdlg = nullptr;
    QDialog* auteurdlg = nullptr;
    // Answers Accepted when it made another person the selected person.
    QDialog* album2dlg = nullptr;
    QDialog* titeldlg = nullptr;
    QDialog* cvinvoerdlg = nullptr;
    QDialog* richeditdlg = nullptr;
    QDialog* wavdlg = nullptr;
    HelpViewer* help = nullptr;
};

}  // namespace brinox
