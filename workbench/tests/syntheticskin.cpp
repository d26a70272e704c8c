#include "workbench/tests/syntheticskin.h"

#include "common/testing/encodedpicture.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

QImage syntheticPicture(int file)
{
    QImage picture(kSyntheticSkinSizes[file], QImage::Format_RGB32);
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            picture.setPixel(x, y, skinPixel(static_cast<tessel::SkinFile>(file), x, y));
    return picture;
}

} // namespace

QRgb skinPixel(tessel::SkinFile file, int x, int y)
{
    // Four bits of file (counted from 1), nine of x and nine of y.
    return qRgb(0, 0, 0) | (static_cast<uint>(file) + 1) << 18 | static_cast<uint>(x) << 9 | static_cast<uint>(y);
}

void writeSyntheticSkin(const QString& directory)
{
    for (int file = 0; file < tessel::kSkinFileCount; ++file) {
        const QImage picture = syntheticPicture(file);
        const QString path = directory + tessel::kSkinFileNames[static_cast<size_t>(file)];
        EXPECT_TRUE(picture.save(path, "BMP")) << path.toStdString();
    }
}

void replaceWithText(const QString& path)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write("This is a note about the skin, not a picture.\r\n");
}

std::string syntheticSkinArchive(const std::string& folder, bool capitals, const std::vector<kit::testing::ZipEntry>& changes)
{
    std::vector<kit::testing::ZipEntry> entries;
    for (int file = 0; file < tessel::kSkinFileCount; ++file) {
        const QString name = QString::fromLatin1(tessel::kSkinFileNames[static_cast<size_t>(file)]);
        const auto changed = std::find_if(changes.begin(), changes.end(), [&name](const kit::testing::ZipEntry& entry) {
            return name.compare(QString::fromStdString(entry.name), Qt::CaseInsensitive) == 0;
        });
        if (changed != changes.end()) {
            if (!changed->bytes.empty())
                entries.push_back({folder + changed->name, changed->bytes, changed->deflated, changed->encrypted});
            continue;
        }
        entries.push_back({folder + (capitals ? name.toUpper() : name).toStdString(),
                           kit::testing::encodedPicture(syntheticPicture(file), "BMP")});
    }
    for (const kit::testing::ZipEntry& added : changes) {
        const QString name = QString::fromStdString(added.name);
        const auto& names = tessel::kSkinFileNames;
        if (std::none_of(names.begin(), names.end(), [&name](const char* skinFile) {
                return name.compare(QLatin1String(skinFile), Qt::CaseInsensitive) == 0;
            }))
            entries.push_back({folder + added.name, added.bytes, added.deflated, added.encrypted});
    }
    return kit::testing::zipArchive(entries);
}
