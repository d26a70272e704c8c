#include "region_editor/ui/pointindexwindow.h"

#include "common/core/textconversion.h"
#include "common/ui/dialogs.h"
#include "region_editor/core/twips.h"
#include "region_editor/ui/closeshortcut.h"
#include "region_editor/ui/displaybox.h"
#include "region_editor/ui/icons.h"
#include "region_editor/ui/mainwindow.h"
#include "region_editor/ui/picturebutton.h"

#include <QFontInfo>
#include <QLabel>

namespace plevo {

Form4::Form4(Form1& main, kit::Dialogs& dialogs)
    : QWidget(&main, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , m_main(main)
    , m_dialogs(dialogs)
{
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(QStringLiteral("Point Index"));
    setFixedSize(twipsToPixels(1320), twipsToPixels(1695));
    closeWithShortcut(this, &Form4::Image1_Click);

    QLineEdit** boxes[] = {&Text1, &Text2, &Text3};
    const char* captions[] = {"Last X:", "Last Y:", "Total:"};
    const int labelTops[] = {240, 600, 960};
    const int boxTops[] = {200, 560, 900};
    for (int i = 0; i < 3; ++i) {
        auto* label = new QLabel(QLatin1String(captions[i]), this);
        label->move(twipsToPixels(120), twipsToPixels(labelTops[i]));
        auto* box = new DisplayBox(QStringLiteral("Text%1").arg(i + 1).toLatin1().constData(), this);
        box->setAccessibleName(QLatin1String(captions[i]).chopped(1));
        box->setGeometry(twipsToPixels(720), twipsToPixels(boxTops[i]), twipsToPixels(495), twipsToPixels(285));
        // The boxes are made for three digits; a count runs to more.
        box->shrinkToFit(QFontInfo(box->font()).pixelSize());
        box->setText(QStringLiteral("0"));
        label->setBuddy(box);
        *boxes[i] = box;
    }

    struct Button
    {
        const char* name;
        Icon icon;
        int left;
        const char* toolTip;
        void (Form4::*handler)();
    };
    for (const Button& entry : {Button{"Image3", Icon::LetterI, 280, "About Plevo", &Form4::Image3_Click},
                               Button{"Image2", Icon::QuestionMark, 600, "Help", &Form4::Image2_Click},
                               Button{"Image1", Icon::Cross, 960, "Close", &Form4::Image1_Click}}) {
        auto* button = placeButton(this, entry.name, entry.icon, entry.toolTip, entry.left, 1320);
        connect(button, &PictureButton::clicked, this, entry.handler);
    }
}

void Form4::showIndex(const PointIndex& index)
{
    Text1->setText(kit::toQString(index.lastX));
    Text2->setText(kit::toQString(index.lastY));
    Text3->setText(kit::toQString(index.total));
}

void Form4::Image3_Click() { m_main.showAboutWindow(); }

void Form4::Image2_Click()
{
    m_dialogs.message(this, QStringLiteral("Help"), QStringLiteral("Help will be developed soon"),
                      kit::MessageButtons::Ok, kit::MessageIcon::Information);
}

void Form4::Image1_Click() { hide(); }

} // namespace plevo
