#pragma once

class QTranslator;

namespace Startup {

// Installs the translation "QV_catala" from the translations folder beside the executable;
// without the file the program stays in Spanish.
bool installTranslation(QTranslator &translator);

// Style, name and version of the application.
void configureApplication();

// With QV_BENCH_EXIT_ON_CHOOSER set, the program quits as soon as the user chooser is shown,
// so the start-up bench can time it.
void watchForBenchExit();

} // namespace Startup
