#pragma once

#include <QStringList>

class QCoreApplication;
class QLocale;

namespace qv {

// The folders the program's translations are looked for in, nearest first:
// beside the executable (a build), then the installed data folder.
QStringList translationFolders();

// Loads the program's translation for `locale` and Qt's own (the standard
// dialogs' buttons), and routes the texts the core makes through them.
// Returns whether the program's translation was found; English needs none.
bool installTranslations(QCoreApplication& app, const QLocale& locale, const QStringList& folders);

}  // namespace qv
