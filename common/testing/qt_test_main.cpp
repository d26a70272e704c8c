// Test entry point for suites that create widgets: they run in-process on Qt's
// offscreen platform, so no display is needed. `--screen-scale=F` puts them on a
// screen of F device pixels to a window pixel.
#include <QApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cstring>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Whatever a window keeps in the platform's places for settings, data and
    // caches lands in a folder of this run, never in those of whoever runs it.
    QTemporaryDir home;
    for (const char* place : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME", "XDG_STATE_HOME"})
        qputenv(place, home.filePath(QString::fromLatin1(place)).toLocal8Bit());
    constexpr const char kScaleOption[] = "--screen-scale=";
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], kScaleOption, sizeof kScaleOption - 1) == 0) {
            qputenv("QT_SCALE_FACTOR", argv[i] + sizeof kScaleOption - 1);
            std::memmove(&argv[i], &argv[i + 1], sizeof(char*) * static_cast<size_t>(argc - i));
            --argc;
            break;
        }
    }
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
