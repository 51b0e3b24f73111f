#include "shell/language.h"

#include "settings/ini.h"

#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QLocale>
#include <QMessageBox>
#include <QTranslator>
#include <QWidget>

namespace rurized {
namespace {

    Language current = Language::Japanese;

    QTranslator& EnglishTranslator()
    {
        static QTranslator translator;
        return translator;
    }

} // namespace

QString LanguageCode(Language language)
{
    return language == Language::English ? QStringLiteral("en") : QStringLiteral("ja");
}

Language ChooseLanguage(const QString& setting, const QStringList& uiLanguages)
{
    const QString stored = setting.trimmed().toLower();
    if (stored == LanguageCode(Language::Japanese))
        return Language::Japanese;
    if (stored == LanguageCode(Language::English))
        return Language::English;
    const QString first = uiLanguages.value(0).toLower();
    return first.startsWith(QLatin1String("ja")) ? Language::Japanese : Language::English;
}

Language DesktopLanguage() { return ChooseLanguage(QString(), QLocale::system().uiLanguages()); }

Language InstallChosenLanguage()
{
    const QString setting = QString::fromStdString(ini::ReadIni("Main", "Language"));
    const Language language = ChooseLanguage(setting, QLocale::system().uiLanguages());
    InstallLanguage(language);
    return language;
}

void InstallLanguage(Language language)
{
    // At start the desktop's language goes in before the settings are read: where they agree,
    // the translation is read once.
    if (language == current)
        return;
    QTranslator& english = EnglishTranslator();
    QCoreApplication::removeTranslator(&english);
    current = Language::Japanese;
    // Embedded in the program, so a moved or copied program speaks English all the same.
    if (language == Language::English && english.load(QStringLiteral(":/i18n/rurized_en.qm"))) {
        QCoreApplication::installTranslator(&english);
        current = Language::English;
    }
}

Language CurrentLanguage() { return current; }

QString Translated(const char* context, std::string_view text)
{
    const std::string source(text);
    return QCoreApplication::translate(context, source.c_str());
}

void AddLanguageEntries(QWidget& launcher)
{
    auto* separator = new QAction(&launcher);
    separator->setSeparator(true);
    launcher.addAction(separator);
    auto* group = new QActionGroup(&launcher);
    // Each entry is written in its own language, so that it can be found in either.
    const std::pair<Language, QString> entries[] = {
        { Language::Japanese, QStringLiteral("日本語") },
        { Language::English, QStringLiteral("English") },
    };
    for (const auto& [language, text] : entries) {
        auto* entry = new QAction(text, group);
        entry->setObjectName(QStringLiteral("actLanguage_") + LanguageCode(language));
        entry->setCheckable(true);
        entry->setChecked(language == current);
        QObject::connect(entry, &QAction::triggered, &launcher, [&launcher, language] {
            ini::WriteIni("Main", "Language", LanguageCode(language).toStdString());
            if (language == current)
                return;
            // The windows are built with their texts once; the next start shows the new ones.
            const QString message = language == Language::English
                ? QStringLiteral("Rurized will be in English from its next start.")
                : QStringLiteral("次の起動から日本語で表示します。");
            QMessageBox::information(&launcher, QStringLiteral("Rurized"), message);
        });
        launcher.addAction(entry);
    }
}

} // namespace rurized
