#include "app/HelpWindow.h"

#include "ui_common/WindowPlacement.h"

#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace zephra {

namespace {

const QSize HelpWindowSize(640, 600);

} // namespace

HelpWindow::HelpWindow(QWidget* owner) : QWidget(owner, Qt::Window) {
    setWindowTitle(QStringLiteral("ZEPHRA Help"));
    setAttribute(Qt::WA_QuitOnClose, false);
    Browser = new QTextBrowser(this);
    Browser->setOpenExternalLinks(true);
    Browser->setSource(QUrl(QStringLiteral("qrc:/zephra/help/guide.html")));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(Browser);
    resize(HelpWindowSize);
    if (owner != nullptr) {
        move(PlaceOverOwner(*owner, HelpWindowSize, 0));
    }
}

} // namespace zephra
