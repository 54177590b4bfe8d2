#pragma once

#include <QStringList>
#include <QTranslator>
#include <memory>
#include <vector>

// Qt's own texts (file dialogs, message-box buttons, edit menus) in Russian, the one language of
// the interface, whatever the system's locale. Loads each catalog ("qtbase" for qtbase_ru.qm)
// from Qt's translations folder and installs it, together with the few texts that Qt shows but its
// Russian catalog lacks; the texts stay translated while the returned translators live. A catalog
// that is not there is left out.
std::vector<std::unique_ptr<QTranslator>> installQtTranslations(const QStringList& catalogs);
