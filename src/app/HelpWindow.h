#pragma once

#include <QWidget>

class QTextBrowser;

namespace zephra {

// The user guide built into the program: one HTML page from the resources in
// a browser whose links work (the contents jump within the page, web links
// open in the desktop's browser). A top-level window of its own that opens
// over its owner, the main window, and is released with it.
class HelpWindow : public QWidget {
    Q_OBJECT

public:
    explicit HelpWindow(QWidget* owner);

    QTextBrowser* Browser;
};

} // namespace zephra
