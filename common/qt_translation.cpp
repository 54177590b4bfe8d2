#include "common/qt_translation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <cstring>

using namespace Qt::Literals::StringLiterals;

namespace
{

// Texts that Qt 6.4 shows but its Russian catalog lacks: the file dialogs' type column asks for
// the names of a folder and of a drive in a context of their own, which qtbase_ru.qm does not
// hold. The words are the ones the catalog gives the same texts in the file dialog's context.
class MissingQtTexts : public QTranslator
{
public:
    // Called from the file system model's reading thread as well: a lookup in a constant table.
    QString translate(const char* context, const char* sourceText, const char*, int) const override
    {
        struct Text {
            const char* context;
            const char* source;
            const char* russian;
        };
        static constexpr Text texts[] = {
            {"QAbstractFileIconProvider", "Folder", "Папка"},
            {"QAbstractFileIconProvider", "Drive", "Диск"},
        };
        for (const Text& text : texts)
            if (std::strcmp(context, text.context) == 0 &&
                std::strcmp(sourceText, text.source) == 0)
                return QString::fromUtf8(text.russian);
        return QString();
    }
    bool isEmpty() const override { return false; }
};

} // namespace

std::vector<std::unique_ptr<QTranslator>> installQtTranslations(const QStringList& catalogs)
{
    std::vector<std::unique_ptr<QTranslator>> installed;
    // First, so that a later catalog of Qt's own that has these texts takes precedence.
    auto missing = std::make_unique<MissingQtTexts>();
    if (QCoreApplication::installTranslator(missing.get()))
        installed.push_back(std::move(missing));
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    for (const QString& catalog : catalogs) {
        auto translator = std::make_unique<QTranslator>();
        if (translator->load(catalog + u"_ru"_s, folder) &&
            QCoreApplication::installTranslator(translator.get()))
            installed.push_back(std::move(translator));
    }
    return installed;
}
