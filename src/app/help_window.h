#pragma once

#include <QDialog>

#include "store/session.h"
#include "widgets/help_viewer.h"

class QTextBrowser;

namespace brinox {

// The help file "FAMHELP.HLP" (HTML with one anchor per topic number),
// shown beside the program. The copy in the data folder wins, so a user can
// keep an edited one; otherwise the copy built into the program is shown.
class HelpWindow : public QDialog, public HelpViewer {
    Q_OBJECT
public:
    HelpWindow(const Session& session, QWidget* parent = nullptr);

    void showHelp(HelpTopic topic) override;

    QTextBrowser* Browser = nullptr;

private:
    QString helpText() const;

    const Session& m_session;
};

}  // namespace brinox
