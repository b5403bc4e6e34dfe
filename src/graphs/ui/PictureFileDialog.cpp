#include "graphs/ui/PictureFileDialog.h"

#include "document/AtomicFile.h"
#include "document/OutputTarget.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
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
    const std::string local = QFile::encodeName(path).toStdString();
    if (const auto refusal = OutputRefusal(local, {})) {
        boxes.Error("The picture was not saved to " + local + ": " + *refusal + ".");
        return;
    }
    QBuffer png;
    png.open(QIODevice::WriteOnly);
    if (!picture.save(&png, "PNG") ||
        WriteFileAtomically(local, png.data().constData(),
                            static_cast<std::size_t>(png.data().size())) != 0) {
        boxes.Error("The picture could not be saved to " + path.toStdString() + ".");
    }
}

} // namespace zephra
