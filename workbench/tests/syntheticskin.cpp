#include "workbench/tests/syntheticskin.h"

#include <QFile>
#include <gtest/gtest.h>

QRgb skinPixel(tessel::SkinFile file, int x, int y)
{
    // Four bits of file (counted from 1), nine of x and nine of y.
    return qRgb(0, 0, 0) | (static_cast<uint>(file) + 1) << 18 | static_cast<uint>(x) << 9 | static_cast<uint>(y);
}

void writeSyntheticSkin(const QString& directory)
{
    for (int file = 0; file < tessel::kSkinFileCount; ++file) {
        QImage picture(kSyntheticSkinSizes[file], QImage::Format_RGB32);
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x)
                picture.setPixel(x, y, skinPixel(static_cast<tessel::SkinFile>(file), x, y));
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
