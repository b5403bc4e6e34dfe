#include "entry/ui/EntryCommands.h"

#include "analysis/Calculate.h"
#include "analysis/UnusedRows.h"
#include "entry/ConditionsRecord.h"
#include "entry/DataCheck.h"
#include "entry/ui/ConditionsDlg.h"
#include "entry/ui/DataDlg.h"

#include <QLineEdit>

namespace zephra {

bool NewWineFromConditions(QWidget* parent, MessageBoxes& boxes, TWineRec& rec, QString& caption) {
    TConditionsDlg dlg(boxes, parent);
    if (dlg.exec() != QDialog::Accepted) {
        return false;
    }
    rec = NewWineRecord(dlg.Form());
    caption = dlg.WineName->text() + QLatin1Char(' ') + dlg.FilterName->text();
    return true;
}

bool EditConditions(QWidget* parent, MessageBoxes& boxes, TWineClass& wine) {
    TConditionsDlg dlg(boxes, parent);
    dlg.SetForm(LoadConditionsForm(wine.WineRec));
    if (dlg.exec() != QDialog::Accepted) {
        return false;
    }
    StoreEditedConditions(wine.WineRec, dlg.Form());
    wine.Modified = true;
    Calculate(wine.WineRec, true, boxes);
    return true;
}

bool EditData(QWidget* parent, MessageBoxes& boxes, TWineClass& wine) {
    TDataDlg dlg(boxes, parent);
    dlg.SetForm(LoadDataForm(wine.WineRec));
    if (dlg.exec() != QDialog::Accepted) {
        return false;
    }
    StoreDataForm(wine.WineRec, dlg.Form());
    wine.Modified = true;
    Calculate(wine.WineRec, true, boxes);
    if (const auto warning = UnusedRowsWarning(wine.WineRec.Data)) {
        boxes.Warning(*warning);
    }
    return true;
}

} // namespace zephra
