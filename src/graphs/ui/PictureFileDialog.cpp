#include "graphs/ui/PictureFileDialog.h"

#include "document/AtomicFile.h"
#include "document/OutputTarget.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QStandardPaths>

namespace zephra {

std::optional<QString> QtPictureFileDialog::AskSavePath(QWidget* parent,
                                                        const QString& suggestedName) {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString path = QFileDialog::getSaveFileName(
        parent, QCoreApplication::translate("PictureFileDialog", "Save Picture As"),
        QDir(folder).filePath(suggestedName),
        QCoreApplication::translate("PictureFileDialog", "PNG pictures (*.png)"));
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
        boxes.Error(
            QCoreApplication::translate("PictureFileDialog", "The picture was not saved to %1: %2.")
                .arg(QString::fromStdString(local), QString::fromStdString(*refusal))
                .toStdString());
        return;
    }
    QBuffer png;
    png.open(QIODevice::WriteOnly);
    if (!picture.save(&png, "PNG") ||
        WriteFileAtomically(local, png.data().constData(),
                            static_cast<std::size_t>(png.data().size())) != 0) {
        boxes.Error(QCoreApplication::translate("PictureFileDialog",
                                                "The picture could not be saved to %1.")
                        .arg(path)
                        .toStdString());
    }
}

} // namespace zephra
