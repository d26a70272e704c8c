#include "region_editor/ui/cdplayerwindow.h"

#include "common/core/textconversion.h"
#include "region_editor/core/twips.h"
#include "region_editor/ui/closeshortcut.h"
#include "region_editor/ui/displaybox.h"
#include "region_editor/ui/mmcontrol.h"
#include "region_editor/ui/picturebutton.h"
#include "region_editor/ui/presentationtexts.h"

#include <QProgressBar>

namespace plevo {

Form6::Form6(std::unique_ptr<CdDevice> device, QWidget* owner)
    : QWidget(owner, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("Form6"));
    setWindowTitle(QStringLiteral("Plevo CD Player 1.0"));
    setFixedSize(twipsToPixels(4500), twipsToPixels(945));
    closeWithShortcut(this, &Form6::Image1_Click);

    MMControl1 = new MMControl(std::move(device), this);
    MMControl1->setObjectName(QStringLiteral("MMControl1"));
    MMControl1->setGeometry(twipsToPixels(120), twipsToPixels(120), twipsToPixels(3540), twipsToPixels(330));
    connect(MMControl1, &MMControl::NextCompleted, this, &Form6::MMControl1_NextCompleted);
    connect(MMControl1, &MMControl::PrevCompleted, this, &Form6::MMControl1_PrevCompleted);
    connect(MMControl1, &MMControl::StopClick, this, &Form6::MMControl1_StopClick);
    connect(MMControl1, &MMControl::EjectClick, this, &Form6::MMControl1_EjectClick);
    connect(MMControl1, &MMControl::Done, this, &Form6::MMControl1_Done);

    connect(placeButton(this, "Image3", Icon::CompactDisc, "Open the disc", 3720, 120), &PictureButton::clicked, this,
            &Form6::Image3_Click);
    connect(placeButton(this, "Image1", Icon::Cross, "Close", 4120, 120), &PictureButton::clicked, this,
            &Form6::Image1_Click);

    Text1 = new DisplayBox("Text1", this);
    Text1->setGeometry(twipsToPixels(120), twipsToPixels(600), twipsToPixels(1455), twipsToPixels(285));
    Text1->setFont(statusFont());
    Text1->setAccessibleName(QStringLiteral("Track"));
    Text1->setText(QStringLiteral("Plevo CD 0.1"));

    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setGeometry(twipsToPixels(1680), twipsToPixels(600), twipsToPixels(2775), twipsToPixels(255));
    ProgressBar1->setTextVisible(false);
    ProgressBar1->setValue(0);
}

Form6::~Form6() = default;

void Form6::Image3_Click() { MMControl1->Command(CdCommand::Open); }

void Form6::Image1_Click() { close(); }

void Form6::MMControl1_NextCompleted() { Text1->setText(QString::number(MMControl1->status().track)); }

void Form6::MMControl1_PrevCompleted() { Text1->setText(QString::number(MMControl1->status().track)); }

void Form6::MMControl1_StopClick()
{
    MMControl1->Command(CdCommand::Seek, 1);
    Text1->setText(QStringLiteral("1"));
}

void Form6::MMControl1_EjectClick()
{
    MMControl1->Command(CdCommand::Eject);
    MMControl1->Command(CdCommand::Close);
    Text1->setText(QStringLiteral("0"));
}

void Form6::MMControl1_Done(CdCommand command, CdStatus status)
{
    if (status.problem != CdProblem::None)
        Text1->setText(kit::toQString(cdProblemText(status.problem)));
    else if (command == CdCommand::Open)
        Text1->setText(QString::number(status.tracks));
}

} // namespace plevo
