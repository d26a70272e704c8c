#include "button_builder/ui/aboutwindow.h"

#include "button_builder/identity.h"
#include "button_builder/knapro_version.h"
#include "button_builder/ui/artwork.h"
#include "common/core/textconversion.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

namespace knapro {
namespace {

const QString kAuthor = QStringLiteral("Robin Example");
const QString kLogoArtist = QStringLiteral("Sam Placeholder");
const QString kLogoArtistMail = QStringLiteral("sam@example.org");
const QString kHomepage = QStringLiteral("https://knapro.example.org/");

} // namespace

frmAbout::frmAbout(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmAbout"));
    const QString product = kit::toQString(version::kProductName);
    setWindowTitle(QStringLiteral("About ") + product);
    setFixedSize(400, 318);

    tabAbout = new QTabWidget(this);
    tabAbout->setObjectName(QStringLiteral("tabAbout"));
    tabAbout->setGeometry(8, 8, 384, 240);

    tabAbout->addTab(createTab(0, QStringLiteral("%1\n\n%2.\n\n%3")
                                      .arg(kit::toQString(version::caption()), kit::toQString(identity::kSummary),
                                           kit::toQString(version::kLegalCopyright))),
                     product);
    QWidget* credits = createTab(1, QStringLiteral("This Logo was created by\n%1\n%2\n\nRetouched by %3")
                                        .arg(kLogoArtist, kLogoArtistMail, kAuthor));
    auto* roles = new QLabel(QStringLiteral("PROGRAM,\nCODING,\nTESTING,\nDEBUGGED,\nCONCEPT,\nDIRECTED,\n"
                                            "PRODUCED,\nSUPERVISED by\n%1")
                                 .arg(kAuthor),
                             credits);
    roles->setObjectName(QStringLiteral("lblTitle(3)"));
    roles->setGeometry(264, 12, 108, 190);
    roles->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    tabAbout->addTab(credits, QStringLiteral("Credits"));
    tabAbout->addTab(createTab(2, QStringLiteral("%1 is free software under the MIT licence.\n\nUse it, "
                                                 "copy it, change it and give it away as you like; no fee "
                                                 "is asked and no warranty is given.")
                                      .arg(product)),
                     QStringLiteral("Freeware"));

    txtHomepage = new QLineEdit(kHomepage, this);
    txtHomepage->setObjectName(QStringLiteral("txtHomepage"));
    txtHomepage->setReadOnly(true);
    txtHomepage->setGeometry(8, 256, 384, 24);

    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    cmdOK->setGeometry(304, 286, 88, 26);
    connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
}

QWidget* frmAbout::createTab(int index, const QString& text)
{
    auto* page = new QWidget;
    auto* logo = new QLabel(page);
    logo->setObjectName(QStringLiteral("imgLogo(%1)").arg(index));
    logo->setPixmap(logoPicture(64));
    logo->setGeometry(12, 12, 64, 64);

    auto* title = new QLabel(text, page);
    title->setObjectName(QStringLiteral("lblTitle(%1)").arg(index));
    title->setWordWrap(true);
    title->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    title->setGeometry(88, 12, index == 1 ? 168 : 280, 190);
    return page;
}

void frmAbout::cmdOK_Click() { close(); }

} // namespace knapro
