#include "common/qt_translation.h"

#include <QCoreApplication>
#include <QLibraryInfo>

using namespace Qt::Literals::StringLiterals;

std::vector<std::unique_ptr<QTranslator>> installQtTranslations(const QStringList& catalogs)
{
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    std::vector<std::unique_ptr<QTranslator>> installed;
    for (const QString& catalog : catalogs) {
        auto translator = std::make_unique<QTranslator>();
        if (translator->load(catalog + u"_ru"_s, folder) &&
            QCoreApplication::installTranslator(translator.get()))
            installed.push_back(std::move(translator));
    }
    return installed;
}
