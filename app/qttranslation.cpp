#include "app/qttranslation.h"

#include <QLibraryInfo>
#include <QTranslator>

bool LoadQtTranslation(QTranslator *qtTranslator, const QTranslator &ours)
{
    const QString language = ours.language();
    if (language.isEmpty())
        return false;
    return qtTranslator->load(QStringLiteral("qtbase_") + language,
                              QLibraryInfo::location(QLibraryInfo::TranslationsPath));
}
