#ifndef TESTS_SUPPORT_BRACKETTRANSLATOR_H
#define TESTS_SUPPORT_BRACKETTRANSLATOR_H

// Shows every text of the main window's context in brackets while installed,
// so a test sees which texts went through the translation:
//
//     BracketTranslator translator;
//     QCoreApplication::installTranslator(&translator);
//     ... "Time:" now reads "[Time:]" ...
//     QCoreApplication::removeTranslator(&translator);

#include <QTranslator>

class BracketTranslator : public QTranslator
{
public:
    bool isEmpty() const override { return false; }
    QString translate(const char *context, const char *source, const char * = nullptr,
                      int = -1) const override
    {
        if (qstrcmp(context, "MainWindow") != 0)
            return QString();
        return QLatin1Char('[') + QString::fromUtf8(source) + QLatin1Char(']');
    }
};

#endif // TESTS_SUPPORT_BRACKETTRANSLATOR_H
