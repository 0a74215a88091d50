#pragma once
// Qt's own Dutch texts for its standard dialogs and buttons: the file dialogs' titles and
// buttons, "&Ja" and "&Nee" of a question, "Annuleren" everywhere.

class QCoreApplication;
class QTranslator;

namespace orv {

// Loads "qtbase_nl" from Qt's translations folder into app. Returns the translator (owned by
// app; deleting it takes the texts away again), or nullptr when the translation is not
// installed: the program then still runs, with Qt's English buttons.
QTranslator* installQtDutch(QCoreApplication& app);

} // namespace orv
