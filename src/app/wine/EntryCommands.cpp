#include "app/wine/EntryCommands.h"

#include "analysis/UnusedRows.h"
#include "app/wine/WineWindow.h"
#include "entry/ConditionsRecord.h"
#include "entry/DataCheck.h"
#include "entry/ui/ConditionsDlg.h"
#include "entry/ui/DataDlg.h"

#include <QLineEdit>

namespace zephra {

bool NewWineFromConditions(QWidget* parent, MessageBoxes& boxes, TWineRec& rec, WineNotes& notes,
                           QString& caption) {
    TConditionsDlg dlg(boxes, parent);
    if (dlg.exec() != QDialog::Accepted) {
        return false;
    }
    const ConditionsForm form = dlg.Form();
    rec = NewWineRecord(form);
    notes = FormNotes(form);
    caption = dlg.WineName->text() + QLatin1Char(' ') + dlg.FilterName->text();
    return true;
}

bool EditConditions(QWidget* parent, TMDIChild& window) {
    TWineClass& wine = window.WineClass;
    TConditionsDlg dlg(window.Boxes(), parent);
    dlg.SetForm(LoadConditionsForm(wine.WineRec, wine.Notes));
    if (dlg.exec() != QDialog::Accepted) {
        return false;
    }
    StoreEditedConditions(wine.WineRec, wine.Notes, dlg.Form());
    wine.Modified = true;
    window.Calculate(true);
    return true;
}

bool EditData(QWidget* parent, TMDIChild& window) {
    TWineClass& wine = window.WineClass;
    TDataDlg dlg(window.Boxes(), parent);
    dlg.SetForm(LoadDataForm(wine.WineRec));
    if (dlg.exec() != QDialog::Accepted) {
        return false;
    }
    StoreDataForm(wine.WineRec, dlg.Form(), wine.Notes);
    wine.Modified = true;
    window.Calculate(true);
    if (const auto warning = UnusedRowsWarning(wine.WineRec.Data)) {
        window.Boxes().Warning(*warning);
    }
    return true;
}

} // namespace zephra
