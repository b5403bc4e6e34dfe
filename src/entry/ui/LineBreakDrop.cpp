#include "entry/ui/LineBreakDrop.h"

#include <QLineEdit>

#include <algorithm>

namespace zephra {

namespace {

bool IsLineBreak(QChar c) {
    return c == QLatin1Char('\n') || c == QLatin1Char('\r');
}

} // namespace

void DropLineBreaks(QLineEdit& box) {
    QObject::connect(&box, &QLineEdit::textEdited, &box, [&box](const QString& text) {
        if (std::none_of(text.begin(), text.end(), IsLineBreak)) {
            return;
        }
        const int cursor = box.cursorPosition();
        const int before =
            static_cast<int>(std::count_if(text.begin(), text.begin() + cursor, IsLineBreak));
        QString kept = text;
        kept.removeIf(IsLineBreak);
        box.setText(kept);
        box.setCursorPosition(cursor - before);
    });
}

} // namespace zephra
