#ifndef BROWSERHTML_H
#define BROWSERHTML_H

// Web pages read into Qt's rich-text engine the way a web browser reads
// them, where the two differ in what the reports use.
//
// A page may end a numeric character reference without its ";"
// ("Temperature(&#8451)"): an HTML parser reads the digits that follow "&#"
// (or the hex digits after "&#x") as far as they go and shows the character.
// The rich-text engine reads only references closed by ";" and shows the
// others as typed. CompleteCharacterReferences writes every numeric
// reference without its ";" out whole, as the reference to the character a
// browser shows for it:
//
//     CompleteCharacterReferences("(&#8451)")    -> "(&#8451;)"
//     CompleteCharacterReferences("&#x2109 F")   -> "&#8457; F"
//     CompleteCharacterReferences("&#0")         -> "&#65533;"
//
// Complete references, "&#" without digits, named references and the text of
// comments, <script> and <style> are left as they are.
//
// A browser breaks lines between words only and widens a table column to
// its longest word; the engine, left to itself, breaks a word that does not
// fit anywhere ("Averag" / "e"). SetBrowserHtml gives the document both.

#include <QString>

class QTextDocument;

QString CompleteCharacterReferences(const QString &html);

// Sets the page as the document's content, read as a browser reads it.
void SetBrowserHtml(QTextDocument *document, const QString &html);

#endif // BROWSERHTML_H
