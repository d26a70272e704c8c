#include "region_editor/tests/plevotestsupport.h"

#include <QProgressBar>
#include <QSignalSpy>
#include <QSlider>

using kit::MessageIcon;

namespace plevo::testing {
namespace {

class ColourPicker : public PlevoWindowTest
{
protected:
    void SetUp() override
    {
        PlevoWindowTest::SetUp();
        click("Image8");
        click("Image9");
        picker = form->colourPicker();
        ASSERT_NE(picker, nullptr);
        sweeps = std::make_unique<QSignalSpy>(control<QProgressBar>("ProgressBar1"), &QProgressBar::valueChanged);
    }
    SampleShape* shape(const char* name) const { return picker->findChild<SampleShape*>(QLatin1String(name)); }
    void press(const char* name) const { clickIn(picker->findChild<PictureButton*>(QLatin1String(name))); }
    // Every change sweeps the main window's progress bar up to 100 and back to 0.
    void expectOneSweep()
    {
        ASSERT_GE(sweeps->count(), 2);
        EXPECT_EQ(sweeps->at(sweeps->count() - 2).at(0).toInt(), 100);
        EXPECT_EQ(sweeps->last().at(0).toInt(), 0);
        EXPECT_EQ(control<QProgressBar>("ProgressBar1")->value(), 0);
        sweeps->clear();
    }

    Form3* picker = nullptr;
    std::unique_ptr<QSignalSpy> sweeps;
};

TEST_F(ColourPicker, OneColourDialogServesBothSamplesAndRemembersItsLastColour)
{
    EXPECT_EQ(shape("Shape1")->borderColour(), QColor(Qt::red));
    struct Step
    {
        const char* button;
        QColor answer; // invalid: cancelled
        QColor offered;
        const char* sample;
        QColor after;
        const char* status;
    };
    const Step steps[] = {
        {"Image4", QColor(), Qt::black, "Shape2", Qt::black, "Line Color changed"},
        {"Image5", QColor(10, 20, 30), Qt::black, "Shape1", QColor(10, 20, 30), "Link Color changed"},
        {"Image4", QColor(), QColor(10, 20, 30), "Shape2", QColor(10, 20, 30), "Line Color changed"},
        {"Image4", Qt::yellow, QColor(10, 20, 30), "Shape2", Qt::yellow, "Line Color changed"},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.button);
        dialogs.chooseColour(step.answer);
        press(step.button);
        EXPECT_EQ(dialogs.lastCall().kind, kit::testing::DialogCall::Kind::ChooseColour);
        EXPECT_EQ(dialogs.lastCall().initialColour, step.offered);
        EXPECT_EQ(shape(step.sample)->borderColour(), step.after);
        EXPECT_EQ(form->status(), step.status);
        expectOneSweep();
    }
}

TEST_F(ColourPicker, TheSliderThickensTheMarkerAndTheCrossOnlyHides)
{
    auto* slider = picker->findChild<QSlider*>("Slider1");
    slider->setValue(1);
    EXPECT_EQ(shape("Shape1")->borderWidth(), 5);
    EXPECT_TRUE(shape("Shape1")->insideSolid());
    EXPECT_EQ(form->status(), "Fill mode changed");
    expectOneSweep();
    form->setStatus("");
    slider->setValue(0);
    EXPECT_EQ(shape("Shape1")->borderWidth(), 2);
    EXPECT_FALSE(shape("Shape1")->insideSolid());
    EXPECT_EQ(form->status(), "Fill mode changed");
    expectOneSweep();

    slider->setValue(1);
    press("Image1");
    EXPECT_FALSE(picker->isVisible());
    click("Image8");
    click("Image9");
    EXPECT_EQ(form->colourPicker(), picker);
    EXPECT_EQ(shape("Shape1")->borderWidth(), 5);
}

TEST_F(ColourPicker, LoadSaveAndHelpAreNotAvailable)
{
    for (const auto& [button, title, text] :
         {std::tuple{"Image2", "Load", "This will be developed soon"}, std::tuple{"Image6", "Save", "This will be developed soon"},
          std::tuple{"Image3", "Help", "Help will be developed soon"}}) {
        press(button);
        EXPECT_EQ(dialogs.lastCall().title, title);
        EXPECT_EQ(dialogs.lastCall().text, text);
        EXPECT_EQ(dialogs.lastCall().icon, MessageIcon::Information);
    }
}

} // namespace
} // namespace plevo::testing
