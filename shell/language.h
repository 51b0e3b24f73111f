#pragma once

#include <QString>
#include <QStringList>

#include <string_view>

class QWidget;

namespace rurized {

// The interface's two languages: Japanese, in which every text is written in the sources, and
// English from translations/rurized_en.ts.
enum class Language { Japanese, English };

// "ja" or "en" as [Main] Language stores it; anything else names no language.
QString LanguageCode(Language language);

// The language the settings name, else the one the desktop asks for first: Japanese for ja*,
// English for anything else.
Language ChooseLanguage(const QString& setting, const QStringList& uiLanguages);

// The language the desktop's locale asks for, the settings aside.
Language DesktopLanguage();

// Chooses from [Main] Language and the desktop's locale, and installs it.
Language InstallChosenLanguage();

// Every text translated from here on (existing windows keep the texts they have).
void InstallLanguage(Language language);
Language CurrentLanguage();

// A text theory/ marks with RURIZED_TEXT, in the interface's language.
QString Translated(const char* context, std::string_view text);

// The launcher's context menu entries 日本語 / English: the choice is stored and takes effect
// at the next start, which a message says.
void AddLanguageEntries(QWidget& launcher);

} // namespace rurized
