#pragma once

#include "document/MessageBoxes.h"

#include <QImage>
#include <QString>

#include <optional>

class QWidget;

namespace zephra {

// Asks where to save a picture. The desktop shows a file dialog; tests
// answer directly.
class PictureFileDialog {
public:
    virtual ~PictureFileDialog() = default;

    // The chosen path, or nothing when the user cancelled.
    virtual std::optional<QString> AskSavePath(QWidget* parent, const QString& suggestedName) = 0;
};

// The desktop's save dialog, offering PNG pictures.
class QtPictureFileDialog : public PictureFileDialog {
public:
    std::optional<QString> AskSavePath(QWidget* parent, const QString& suggestedName) override;
};

// Asks where to save `picture` (suggesting `suggestedName`), adds ".png"
// to a name without an extension and saves it as PNG, atomically; a failed
// save, or a name of a wine file (see OutputRefusal), is reported through
// `boxes`. Nothing happens when the user cancels.
void SavePictureAsPng(QWidget* parent, PictureFileDialog& dialog, const QImage& picture,
                      const QString& suggestedName, MessageBoxes& boxes);

} // namespace zephra
