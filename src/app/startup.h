#pragma once

class QTranslator;

namespace Startup {

// Installs the translation "QV_catala" from the translations folder beside the executable;
// without the file the program stays in Spanish.
bool installTranslation(QTranslator &translator);

// Style, name and version of the application.
void configureApplication();

} // namespace Startup
