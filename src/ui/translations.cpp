#include "ui/translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QStringList>
#include <QTranslator>

#include "expression/user_text.h"

namespace qv {

namespace {

std::string translatedText(const char* context, const char* english) {
    return QCoreApplication::translate(context, english).toStdString();
}

}  // namespace

QStringList translationFolders() {
    const QString here = QCoreApplication::applicationDirPath();
    // A test program sits one folder below the build's top.
    return {here + QStringLiteral("/translations"), here + QStringLiteral("/../share/quorvanta/translations"),
            here + QStringLiteral("/../translations")};
}

bool installTranslations(QCoreApplication& app, const QLocale& locale, const QStringList& folders) {
    auto* qt = new QTranslator(&app);
    if (qt->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(qt);
    } else {
        delete qt;
    }
    bool found = false;
    auto* own = new QTranslator(&app);
    for (const QString& folder : folders) {
        if (own->load(locale, QStringLiteral("quorvanta"), QStringLiteral("_"), QDir::cleanPath(folder))) {
            QCoreApplication::installTranslator(own);
            found = true;
            break;
        }
    }
    if (!found) delete own;
    setTextLookup(&translatedText);
    return found;
}

}  // namespace qv
