#include "app/wine/SelectionCopy.h"

#include <QEvent>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace zephra {

namespace {

bool HasSelection(const QObject* panel) {
    if (const auto* text = qobject_cast<const QTextEdit*>(panel)) {
        return text->textCursor().hasSelection();
    }
    if (const auto* plain = qobject_cast<const QPlainTextEdit*>(panel)) {
        return plain->textCursor().hasSelection();
    }
    return false;
}

// A read-only text panel handles the Copy key itself, but only if it claims
// the key before the shortcut map hands it to a window action.
class CopyKeyClaim : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::ShortcutOverride &&
            static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy) && HasSelection(watched)) {
            event->accept();
            return true;
        }
        return false;
    }
};

} // namespace

void LetCopyKeyCopySelection(QWidget& panel) {
    panel.setFocusPolicy(Qt::ClickFocus);
    panel.installEventFilter(new CopyKeyClaim(&panel));
}

} // namespace zephra
