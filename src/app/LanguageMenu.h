#pragma once

#include <QMenu>

#include <string>

namespace zephra {

class MessageBoxes;

// View → Language: "System language" (follow LANGUAGE, LC_ALL, LC_MESSAGES,
// LANG) or one of the languages the program speaks. The choice is kept in
// the program's own settings at `settingsPath` and takes effect at the next
// start, when every window is built in the new language.
class LanguageMenu : public QMenu {
    Q_OBJECT

public:
    LanguageMenu(std::string settingsPath, MessageBoxes& boxes, QWidget* parent = nullptr);

private:
    void Choose(const std::string& code);

    std::string settingsPath_;
    MessageBoxes& boxes_;
};

} // namespace zephra
