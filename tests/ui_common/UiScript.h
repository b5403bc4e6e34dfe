#pragma once

#include "document/MessageBoxes.h"
#include "ui_common/Clock.h"
#include "ui_common/FileDialogs.h"
#include "ui_common/UiServices.h"

#include <QString>
#include <QStringList>

#include <deque>
#include <functional>
#include <optional>
#include <vector>

namespace zephra::testing {

// One message box as the program asked for it.
struct AskedBox {
    BoxKind Kind;
    QString Text;
    BoxButtons Buttons;
    BoxAnswer Default;
};

// One file dialog as the program showed it.
struct ShownDialog {
    bool Save;
    FileDialogSetup Setup;
};

// Scripted user: answers message boxes and file dialogs from queues, records
// every box, dialog and wait in one event log (in the order the user would
// see them), and lets time pass at once.
class UiScript : public MessageBoxes, public FileDialogs, public Clock {
public:
    UiScript() = default;
    UiScript(const UiScript&) = delete;
    UiScript& operator=(const UiScript&) = delete;

    UiServices Services() { return UiServices{*this, *this, *this}; }

    // Answers, used in order. A box without a scripted answer gets its
    // default button and is noted in Unexpected; a dialog without one is
    // cancelled and noted too.
    std::deque<BoxAnswer> BoxAnswers;
    std::deque<std::optional<QString>> DialogAnswers;
    QString Documents = QStringLiteral("/documents");

    std::vector<AskedBox> Boxes;
    std::vector<ShownDialog> Dialogs;
    std::vector<int> Waits;
    // "box: <text>", "open dialog", "save dialog", "wait <ms>".
    QStringList Events;
    QStringList Unexpected;

    // Called during every wait, after it has been logged.
    std::function<void(int)> OnWait;

    BoxAnswer Show(BoxKind kind, const std::string& text, BoxButtons buttons,
                   BoxAnswer defaultButton) override;
    std::optional<QString> ChooseOpen(QWidget* parent, const FileDialogSetup& setup) override;
    std::optional<QString> ChooseSave(QWidget* parent, const FileDialogSetup& setup) override;
    QString DocumentsFolder() override { return Documents; }
    void Wait(int ms) override;
    std::int64_t NowMs() override { return now_; }

    QStringList BoxTexts() const;

private:
    std::optional<QString> Choose(bool save, const FileDialogSetup& setup);

    std::int64_t now_ = 0;
};

} // namespace zephra::testing
