#ifndef QTTRANSLATION_H
#define QTTRANSLATION_H

class QTranslator;

// Loads Qt's own translation (the file, colour and print dialogs, standard
// buttons and context menus) for the language of our loaded translation, as
// the .ts file names it ("zh_CN", "en"), from Qt's translations folder.
// False when our translation names no language or Qt has none for it; the
// program then shows Qt's own texts in English.
//
//     if (LoadQtTranslation(&qtTranslator, translator))
//         QApplication::installTranslator(&qtTranslator);
bool LoadQtTranslation(QTranslator *qtTranslator, const QTranslator &ours);

#endif // QTTRANSLATION_H
