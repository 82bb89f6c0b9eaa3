#pragma once

namespace brinox {

class Tfamiliedlg;

// The modal windows the main window opens. They are created after the main
// window, once, in the program's fixed order, and filled in here as they come.
struct MainWindowDialogs {
    Tfamiliedlg* familiedlg = nullptr;
};

}  // namespace brinox
