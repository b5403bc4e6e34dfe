#include "ui_common/DialogLook.h"

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace zephra {

namespace {

constexpr int BoxHeight = 21;
constexpr int LabelGap = 6;
constexpr int ButtonWidth = 75;
constexpr int ButtonHeight = 25;

} // namespace

QFont EntryDialogFont() {
    QFont font;
    font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    font.setPointSize(8);
    return font;
}

void SetUpEntryDialog(QDialog& dialog, const QString& caption, int clientWidth, int clientHeight) {
    dialog.setWindowTitle(caption);
    dialog.setFont(EntryDialogFont());
    dialog.setFixedSize(clientWidth, clientHeight);
    dialog.setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
}

QLineEdit* MakeEntryBox(QWidget* parent, const QString& name, int left, int top, int width,
                        int maxLength, bool rightAligned) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setGeometry(left, top, width, BoxHeight);
    if (maxLength > 0) {
        box->setMaxLength(maxLength);
    }
    if (rightAligned) {
        box->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    return box;
}

QLabel* MakeLabel(QWidget* parent, const QString& text, int left, int top) {
    auto* label = new QLabel(text, parent);
    label->adjustSize();
    label->move(left, top);
    return label;
}

QLabel* MakeLabelLeftOf(QWidget* box, const QString& text) {
    auto* label = new QLabel(text, box->parentWidget());
    label->adjustSize();
    const QRect r = box->geometry();
    label->move(r.left() - LabelGap - label->width(), r.top() + (r.height() - label->height()) / 2);
    return label;
}

QLabel* MakeLabelRightOf(QWidget* box, const QString& text) {
    auto* label = new QLabel(text, box->parentWidget());
    label->adjustSize();
    const QRect r = box->geometry();
    label->move(r.right() + 1 + LabelGap, r.top() + (r.height() - label->height()) / 2);
    return label;
}

QPushButton* MakeButton(QWidget* parent, const QString& name, const QString& text, int left,
                        int top) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setGeometry(left, top, ButtonWidth, ButtonHeight);
    // Enter on the focused button presses that button; while a box has the
    // focus, Enter presses the dialog's default button.
    button->setAutoDefault(true);
    return button;
}

} // namespace zephra
