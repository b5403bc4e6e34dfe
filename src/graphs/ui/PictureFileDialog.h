#pragma once

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

} // namespace zephra
