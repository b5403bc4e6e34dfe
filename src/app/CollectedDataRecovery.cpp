#include "app/CollectedDataRecovery.h"

#include "acquisition/RecoveryJournal.h"
#include "acquisition/ui/RecoverDataDlg.h"
#include "app/wine/WineWindows.h"
#include "document/Windows1252.h"

#include <QFile>

#include <string>

namespace zephra {

namespace {

// The wine's name as stored, or its window's caption when it has none.
QString WineNameOf(const CollectedWine& wine) {
    const QString name =
        QString::fromStdString(Win1252ToUtf8(wine.rec.Conditions.WineName.text())).trimmed();
    return name.isEmpty() ? QString::fromStdString(wine.caption) : name;
}

void ReportDamaged(LeftJournal& journal, MessageBoxes& boxes) {
    const std::string aside = journal.MoveAside();
    boxes.Warning("The recovery journal " + journal.Path() + " could not be read (" +
                  journal.Contents().problem + "). " +
                  (aside.empty() ? std::string("It was left where it is.")
                                 : "It was moved to " + aside + "."));
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
            documents.RestoreCollectedWine(wine.rec, QString::fromStdString(wine.caption),
                                           fileName);
            journal.Discard();
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
