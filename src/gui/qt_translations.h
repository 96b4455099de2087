// Qt's own texts (standard buttons, the text context menu) in Simplified Chinese, like the rest
// of the program, whatever the user's locale.
#pragma once

namespace varnello {

// Loads Qt's zh_CN translations from Qt's translations folder; returns whether they were found.
bool InstallQtTranslations();

}  // namespace varnello
