#pragma once

#include <QFont>
#include <QString>

class QDialog;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace zephra {

// Building blocks shared by the data-entry dialogs, which place every
// control at fixed pixel positions like the forms they reproduce.

// The dialogs' face: Liberation Sans 8 pt (DejaVu Sans when it is missing).
QFont EntryDialogFont();

// Caption, face and a fixed client area; the dialog cannot be resized and
// has no help button.
void SetUpEntryDialog(QDialog& dialog, const QString& caption, int clientWidth, int clientHeight);

// An edit box 21 pixels high at (left, top). `maxLength` 0 means no limit.
QLineEdit* MakeEntryBox(QWidget* parent, const QString& name, int left, int top, int width,
                        int maxLength, bool rightAligned);

// A label sized to its text with its top-left corner at (left, top).
QLabel* MakeLabel(QWidget* parent, const QString& text, int left, int top);

// A label ending 6 pixels left of `box`, centred on it vertically.
QLabel* MakeLabelLeftOf(QWidget* box, const QString& text);

// A label starting 6 pixels right of `box`, centred on it vertically.
QLabel* MakeLabelRightOf(QWidget* box, const QString& text);

// A 75 x 25 push button at (left, top). Enter pressed while it has the focus
// presses it.
QPushButton* MakeButton(QWidget* parent, const QString& name, const QString& text, int left,
                        int top);

} // namespace zephra
