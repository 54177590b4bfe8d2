// Draws the five formula pictures of the report into a folder (by hand, after changing a
// formula): formula_pictures OUTPUT_FOLDER. The files are committed and compiled in as resources,
// so that every build writes the same report.
#include "common/errors.h"
#include "common/file_write.h"
#include "metafile_formulas.h"
#include "png_formulas.h"

#include <QDir>
#include <QFontDatabase>
#include <QGuiApplication>
#include <cstdio>
#include <functional>
#include <utility>

using namespace Qt::Literals::StringLiterals;

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: formula_pictures OUTPUT_FOLDER\n");
        return 2;
    }
    // The faces the characters are measured by; another face would misplace them.
    for (const QString& family : {u"Liberation Serif"_s, u"OpenSymbol"_s}) {
        if (!QFontDatabase::families().contains(family)) {
            std::fprintf(stderr,
                         "formula_pictures: %s is missing (fonts-liberation2, "
                         "fonts-opensymbol)\n",
                         qPrintable(family));
            return 1;
        }
    }
    const std::pair<QString, std::function<QByteArray()>> pictures[] = {
        {u"harm_prob.wmf"_s, harmProbMetafile},   {u"protection.wmf"_s, protectionMetafile},
        {u"route_evac.wmf"_s, routeEvacMetafile}, {u"series.png"_s, seriesPng},
        {u"parallel.png"_s, parallelPng},
    };
    const QDir folder(args.at(1));
    for (const auto& [name, make] : pictures) {
        try {
            saveFileAtomically(folder.filePath(name), make());
        } catch (const EFileError& error) {
            std::fprintf(stderr, "formula_pictures: %s\n", qPrintable(error.message()));
            return 1;
        }
    }
    return 0;
}
