#include "graphs/ui/PictureFileDialog.h"

#include <QDir>
#include <QFileDialog>
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

} // namespace zephra
