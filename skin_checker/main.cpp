#include "skin_checker/core/commandline.h"

#include <QLoggingCategory>

#include <iostream>
#include <string>
#include <vector>

int main(int argc, char** argv)
{
    // Every picture the decoders find broken is a finding already; their own
    // complaints would only clutter the report.
    QLoggingCategory::setFilterRules(QStringLiteral("qt.gui.imageio*=false"));
    return skincheck::run(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr);
}
