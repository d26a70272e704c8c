#include "workbench/skinreading/skinreading.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>

// Defined only where the reading is linked in; the program finds it in the module.
extern "C" __attribute__((weak)) const tessel::SkinReading* tessel_skin_reading();

namespace tessel {
namespace {

const SkinReading* loadModule(const QStringList& directories, QString& problem)
{
    for (const QString& directory : directories) {
        QLibrary module(QDir(directory).filePath(QStringLiteral("tessel-skins")));
        if (!module.load()) {
            problem = module.errorString();
            continue;
        }
        const auto entry = reinterpret_cast<const SkinReading* (*)()>(module.resolve("tessel_skin_reading"));
        const SkinReading* reading = entry ? entry() : nullptr;
        if (!reading || reading->interface != kSkinReadingInterface) {
            problem = QStringLiteral("%1 is a module for another version of Tessel").arg(module.fileName());
            module.unload();
            continue;
        }
        // Never unloaded: what it read lives on in the program.
        return reading;
    }
    return nullptr;
}

} // namespace

const SkinReading* skinReading(const QStringList& directories, QString* problem)
{
    if (tessel_skin_reading)
        return tessel_skin_reading();
    static QString lastProblem;
    static const SkinReading* const loaded = loadModule(directories, lastProblem);
    if (problem)
        *problem = lastProblem;
    return loaded;
}

QStringList skinReadingFolders()
{
    const QDir programs(QCoreApplication::applicationDirPath());
    return {programs.path(), programs.filePath(QStringLiteral(TESSEL_MODULE_DIR_FROM_BIN))};
}

} // namespace tessel
