#include "graphs/ui/PictureFileDialog.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QStandardPaths>

namespace zephra {

std::optional<QString> QtPictureFileDialog::AskSavePath(QWidget* parent,
                                                        const QString& suggestedName) {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString path = QFileDialog::getSaveFileName(parent, QStringLiteral("Save Picture As"),
                                                      QDir(folder).filePath(suggestedName),
                                                      QStringLiteral("PNG pictures (*.png)"));
    if (path.isEmpty()) {
        return std::nullopt;
    }
    return path;
}

void SavePictureAsPng(QWidget* parent, PictureFileDialog& dialog, const QImage& picture,
                      const QString& suggestedName, MessageBoxes& boxes) {
    const std::optional<QString> chosen = dialog.AskSavePath(parent, suggestedName);
    if (!chosen) {
        return;
    }
    QString path = *chosen;
    if (QFileInfo(path).suffix().isEmpty()) {
        path += QStringLiteral(".png");
    }
    if (!picture.save(path, "PNG")) {
        boxes.Error("The picture could not be saved to " + path.toStdString() + ".");
    }
}

} // namespace zephra
