#include "app/CollectedDataRecovery.h"

#include "acquisition/RecoveryJournal.h"
#include "acquisition/ui/RecoverDataDlg.h"
#include "app/wine/WineWindows.h"
#include "document/WineNotes.h"

#include <QCoreApplication>
#include <QFile>

#include <string>

namespace zephra {

namespace {

// The wine's full name, or its window's caption when it has none.
QString WineNameOf(const CollectedWine& wine) {
    const QString name = QString::fromStdString(FullWineName(wine.rec, wine.notes)).trimmed();
    return name.isEmpty() ? QString::fromStdString(wine.caption) : name;
}

void ReportDamaged(LeftJournal& journal, MessageBoxes& boxes) {
    const std::string aside = journal.MoveAside();
    const QString where =
        aside.empty()
            ? QCoreApplication::translate("CollectedDataRecovery", "It was left where it is.")
            : QCoreApplication::translate("CollectedDataRecovery", "It was moved to %1.")
                  .arg(QString::fromStdString(aside));
    boxes.Warning(QCoreApplication::translate("CollectedDataRecovery",
                                              "The recovery journal %1 could not be read (%2). %3")
                      .arg(QString::fromStdString(journal.Path()),
                           QString::fromStdString(journal.Contents().problem), where)
                      .toStdString());
}

} // namespace

bool RecoverCollectedData(QWidget& frame, WineWindows& documents, MessageBoxes& boxes) {
    bool restored = false;
    for (LeftJournal& journal : FindLeftJournals(RecoveryFolder())) {
        const JournalContents& contents = journal.Contents();
        if (contents.state != JournalContents::State::Intact) {
            ReportDamaged(journal, boxes);
            continue;
        }
        const CollectedWine& wine = contents.wine;
        const QString fileName = QFile::decodeName(QByteArray::fromStdString(wine.fileName));
        TRecoverDataDlg dialog(&frame, WineNameOf(wine), fileName, contents.readings);
        dialog.exec();
        switch (dialog.Chosen()) {
        case TRecoverDataDlg::Choice::Restore:
            documents.RestoreCollectedWine(journal, QString::fromStdString(wine.caption), fileName);
            restored = true;
            break;
        case TRecoverDataDlg::Choice::Discard:
            journal.Discard();
            break;
        case TRecoverDataDlg::Choice::Later:
            break;
        }
    }
    return restored;
}

} // namespace zephra
