#include "entry/ui/TablePaste.h"

#include "entry/PastedTable.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>

#include <memory>

namespace zephra {

namespace {

class TablePasteFilter : public QObject {
public:
    TablePasteFilter(QLineEdit& box, std::function<void(const QString&)> pasteTable)
        : QObject(&box), box_(box), pasteTable_(std::move(pasteTable)) {}

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::KeyPress &&
            static_cast<QKeyEvent*>(event)->matches(QKeySequence::Paste)) {
            return PasteTableFromClipboard();
        }
        if (event->type() == QEvent::ContextMenu) {
            ShowContextMenu(static_cast<QContextMenuEvent*>(event)->globalPos());
            return true;
        }
        return false;
    }

private:
    // True when the clipboard held a table and it went to pasteTable_.
    bool PasteTableFromClipboard() {
        const QString text = QGuiApplication::clipboard()->text();
        if (!HoldsLineBreak(text.toStdString())) {
            return false;
        }
        pasteTable_(text);
        return true;
    }

    // The box's own menu, with its Paste item taking tables too. The item
    // is known by its caption, asked from the same translation the box uses.
    void ShowContextMenu(const QPoint& where) {
        std::unique_ptr<QMenu> menu(box_.createStandardContextMenu());
        const QString paste = QLineEdit::tr("&Paste");
        for (QAction* item : menu->actions()) {
            if (!item->text().startsWith(paste)) {
                continue;
            }
            QObject::disconnect(item, &QAction::triggered, nullptr, nullptr);
            QObject::connect(item, &QAction::triggered, this, [this] {
                if (!PasteTableFromClipboard()) {
                    box_.paste();
                }
            });
        }
        menu->exec(where);
    }

    QLineEdit& box_;
    std::function<void(const QString&)> pasteTable_;
};

} // namespace

void InterceptTablePaste(QLineEdit& box, std::function<void(const QString&)> pasteTable) {
    box.installEventFilter(new TablePasteFilter(box, std::move(pasteTable)));
}

} // namespace zephra
