#include "app/help_window.h"

#include <QFile>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "store/case_insensitive_files.h"

namespace brinox {

HelpWindow::HelpWindow(const Session& session, QWidget* parent) : QDialog(parent), m_session(session) {
    setObjectName("helpdlg");
    setWindowTitle("Brinox Help");
    setModal(false);
    resize(560, 520);
    Browser = new QTextBrowser(this);
    Browser->setObjectName("Browser");
    Browser->setOpenLinks(true);
    auto* contents = new QPushButton("&Inhoud", this);
    contents->setObjectName("Inhoudbtn");
    auto* close = new QPushButton("&Sluiten", this);
    close->setObjectName("Sluitenbtn");
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(contents);
    buttons->addStretch();
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Browser);
    layout->addLayout(buttons);
    connect(contents, &QPushButton::clicked, this, [this] { showHelp(HelpTopic::Contents); });
    connect(close, &QPushButton::clicked, this, &QDialog::close);
}

QString HelpWindow::helpText() const {
    const auto own = findIgnoringCase(m_session.dataDirectory, "FAMHELP.HLP");
    QFile file(own ? QString::fromStdString(own->string()) : QString(":/help/FAMHELP.HLP"));
    if (!file.open(QIODevice::ReadOnly)) file.setFileName(":/help/FAMHELP.HLP");
    if (!file.isOpen() && !file.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(file.readAll());
}

void HelpWindow::showHelp(HelpTopic topic) {
    Browser->setHtml(helpText());
    if (topic == HelpTopic::Contents) {
        Browser->scrollToAnchor("inhoud");
    } else {
        Browser->scrollToAnchor(QString("topic%1").arg(static_cast<int>(topic)));
    }
    show();
    raise();
    activateWindow();
}

}  // namespace brinox
