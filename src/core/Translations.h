// SPDX-License-Identifier: GPL-3.0-or-later
// The user's language: the translators of Corvina's own texts and of Qt's.
#pragma once

#include <QLocale>

class QCoreApplication;

namespace Translations
{
/// Installs, for as long as @p app lives, the translators of @p locale's language (by default the
/// user's, so that LANG=de_DE.UTF-8 picks German): first Corvina's own texts, which the build puts
/// inside the program (translations/corvina_LANG.ts), then Qt's in the same language (the buttons
/// of message boxes, the file dialogs), from Qt's translations folder when they are installed.
/// Where Corvina has no translation, or the user asks for English before a language it has one
/// for (LANGUAGE=en:de), nothing is installed, not even Qt's, so a window never mixes two
/// languages. Returns the language installed, QLocale::C for none.
QLocale::Language install(QCoreApplication &app, const QLocale &locale = QLocale::system());
} // namespace Translations
