#include "ui_common/QtFileDialogs.h"

#include <QFileDialog>
#include <QStandardPaths>
#include <QStringList>

namespace zephra {

namespace {

// "ZEPHRA files|*.zph" becomes the Qt filter "ZEPHRA files (*.zph)".
QStringList QtNameFilters(const QString& filter) {
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2)
        filters << QStringLiteral("%1 (%2)").arg(parts[i], QString(parts[i + 1]).replace(';', ' '));
    return filters;
}

std::optional<QString> Choose(QWidget* parent, const FileDialogSetup& setup,
                              QFileDialog::AcceptMode mode) {
    QFileDialog dialog(parent);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                       : QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setNameFilters(QtNameFilters(setup.Filter));
    if (!setup.InitialDir.isEmpty())
        dialog.setDirectory(setup.InitialDir);
    if (!setup.FileName.isEmpty())
        dialog.selectFile(setup.FileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

} // namespace

std::optional<QString> QtFileDialogs::ChooseOpen(QWidget* parent, const FileDialogSetup& setup) {
    return Choose(parent, setup, QFileDialog::AcceptOpen);
}

std::optional<QString> QtFileDialogs::ChooseSave(QWidget* parent, const FileDialogSetup& setup) {
    return Choose(parent, setup, QFileDialog::AcceptSave);
}

QString QtFileDialogs::DocumentsFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

} // namespace zephra
