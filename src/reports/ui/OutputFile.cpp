#include "reports/ui/OutputFile.h"

#include "document/AtomicFile.h"
#include "document/OutputTarget.h"
#include "ui_common/WineFileNames.h"

#include <QCoreApplication>

namespace zephra {

void WriteOutputFile(const QString& path, const QByteArray& bytes,
                     const std::vector<std::string>& inputs, MessageBoxes& boxes) {
    if (const auto refusal = OutputRefusal(LocalPath(path), inputs)) {
        boxes.Warning(QCoreApplication::translate("ReportCommands", "Nothing was written: %1.")
                          .arg(QString::fromStdString(*refusal))
                          .toStdString());
        return;
    }
    const int code = WriteFileAtomically(LocalPath(path), bytes.constData(),
                                         static_cast<std::size_t>(bytes.size()));
    if (code != 0)
        boxes.Warning(QCoreApplication::translate("ReportCommands",
                                                  "I/O Error type %1 occurred while "
                                                  "writing the file. Nothing was written.")
                          .arg(code)
                          .toStdString());
}

} // namespace zephra
