#pragma once

#include "common/core/settings.h"

#include <QTemporaryDir>

namespace kit::testing {

// Settings in a folder of their own that goes when the test ends, so that no test
// reads or writes the settings of whoever runs it.
class TemporarySettings
{
public:
    QString file() const { return m_dir.filePath(QStringLiteral("settings.ini")); }
    Settings& operator*() { return m_settings; }
    Settings* operator->() { return &m_settings; }

private:
    QTemporaryDir m_dir;
    Settings m_settings {file()};
};

} // namespace kit::testing
