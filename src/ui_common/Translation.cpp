#include "ui_common/Translation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace zephra {

std::string QtTextCatalog::Translate(const char* context, const char* english) const {
    return QCoreApplication::translate(context, english).toStdString();
}

namespace {

QString installedLanguage = QStringLiteral("en");

} // namespace

QString ProgramLanguage() {
    return installedLanguage;
}

QString TranslationResource(const QString& code) {
    return QStringLiteral(":/i18n/zephra_%1.qm").arg(code);
}

NumberMarks NumberMarksOf(const QLocale& locale) {
    const bool groups = !(locale.numberOptions() & QLocale::OmitGroupSeparator);
    return LocaleNumberMarks(locale.decimalPoint().toStdString(),
                             groups ? locale.groupSeparator().toStdString() : std::string());
}

QLocale NumbersLocale(const QString& code) {
    const QLocale system;
    const QLocale language(code);
    return system.language() == language.language() ? system : language;
}

namespace {

void UseNumbersOf(const QString& code) {
    const QLocale locale = NumbersLocale(code);
    QLocale::setDefault(locale);
    UseNumberMarks(NumberMarksOf(locale));
}

} // namespace

bool InstallLanguage(QCoreApplication& app, const QString& code) {
    if (code == QLatin1String("en")) {
        installedLanguage = code;
        UseNumbersOf(code);
        return true;
    }
    auto* program = new QTranslator(&app);
    if (!program->load(TranslationResource(code))) {
        delete program;
        return false;
    }
    UseNumbersOf(code);
    // Qt's own texts (the standard buttons, the file and print dialogs) come
    // from its translations when the system has them.
    auto* qt = new QTranslator(&app);
    if (qt->load(QLocale(code), QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
    else
        delete qt;
    QCoreApplication::installTranslator(program);
    static const QtTextCatalog catalog;
    UseTextCatalog(&catalog);
    installedLanguage = code;
    return true;
}

} // namespace zephra
