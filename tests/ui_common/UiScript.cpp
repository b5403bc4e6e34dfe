#include "UiScript.h"

namespace zephra::testing {

BoxAnswer UiScript::Show(BoxKind kind, const std::string& text, BoxButtons buttons,
                         BoxAnswer defaultButton) {
    const QString qtext = QString::fromStdString(text);
    Boxes.push_back({kind, qtext, buttons, defaultButton});
    Events << QStringLiteral("box: ") + qtext;
    if (BoxAnswers.empty()) {
        Unexpected << QStringLiteral("unscripted box: ") + qtext;
        return defaultButton;
    }
    const BoxAnswer answer = BoxAnswers.front();
    BoxAnswers.pop_front();
    return answer;
}

std::optional<QString> UiScript::Choose(bool save, const FileDialogSetup& setup) {
    Dialogs.push_back({save, setup});
    Events << (save ? QStringLiteral("save dialog") : QStringLiteral("open dialog"));
    if (DialogAnswers.empty()) {
        Unexpected << QStringLiteral("unscripted dialog");
        return std::nullopt;
    }
    auto answer = DialogAnswers.front();
    DialogAnswers.pop_front();
    return answer;
}

std::optional<QString> UiScript::ChooseOpen(QWidget*, const FileDialogSetup& setup) {
    return Choose(false, setup);
}

std::optional<QString> UiScript::ChooseSave(QWidget*, const FileDialogSetup& setup) {
    return Choose(true, setup);
}

void UiScript::Wait(int ms) {
    Waits.push_back(ms);
    Events << QStringLiteral("wait %1").arg(ms);
    now_ += ms;
    if (OnWait)
        OnWait(ms);
}

QStringList UiScript::BoxTexts() const {
    QStringList texts;
    for (const AskedBox& box : Boxes)
        texts << box.Text;
    return texts;
}

} // namespace zephra::testing
