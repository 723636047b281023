#pragma once

#include <QString>

class QTranslator;

namespace Startup {

// Picks where the database and media tree live (see DataLocation) and, installed, copies the
// shipped ones there on first start. Returns a Spanish message when that copy failed.
QString setUpDataLocation();

// Installs the translation "QV_catala" from the translations folder shipped with the program
// (beside the executable when portable); without the file the program stays in Spanish.
bool installTranslation(QTranslator &translator);

// Installs Qt's own texts (file dialogs, context menus, standard buttons) in the given
// language, "es" or "ca", from Qt's translations folder; false when they are not installed.
bool installQtTranslation(QTranslator &translator, const QString &language);

// Style, name, version and (Spanish) locale of the application.
void configureApplication();

// With QV_BENCH_EXIT_ON_CHOOSER set, the program quits as soon as the user chooser is shown,
// so the start-up bench can time it.
void watchForBenchExit();

} // namespace Startup
