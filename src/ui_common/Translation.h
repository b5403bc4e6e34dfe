#pragma once

#include "document/NumberMarks.h"
#include "document/TextCatalog.h"

#include <QLocale>
#include <QString>

class QCoreApplication;

namespace zephra {

// The core's texts from the application's translators
// (QCoreApplication::translate).
class QtTextCatalog : public TextCatalog {
public:
    std::string Translate(const char* context, const char* english) const override;
};

// The marks of `locale` as the shown numbers use them (LocaleNumberMarks).
NumberMarks NumberMarksOf(const QLocale& locale);

// The locale whose numbers a person reads in the language `code`: the
// system's, unless its language is another, then the usual one of `code`.
QLocale NumbersLocale(const QString& code);

// Puts the program in the language `code` (see Languages(); "en" leaves the
// English source texts): installs the program's translation and Qt's own (the
// standard buttons and dialogs) in `app`, and points the core's texts at them.
// Numbers take the marks of NumbersLocale(code), in the windows (Qt's default
// locale) as in the core's texts (UseNumberMarks).
// Call it once, before any window is built. False when the program's
// translation for `code` could not be loaded; the program then stays English.
bool InstallLanguage(QCoreApplication& app, const QString& code);

// The code of the language installed last ("en" before any).
QString ProgramLanguage();

// The resource of the program's translation for `code`, e.g. ":/i18n/zephra_fr.qm".
QString TranslationResource(const QString& code);

} // namespace zephra
