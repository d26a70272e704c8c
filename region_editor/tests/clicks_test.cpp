#include "region_editor/tests/plevotestsupport.h"

#include "common/testing/screenpointer.h"

namespace plevo::testing {
namespace {

class DenseScreen : public PlevoWindowTest
{
protected:
    QString lastPoint() const { return QString::fromStdString(form->pointIndex().lastX + "," + form->pointIndex().lastY); }
    int total() const { return std::stoi(form->pointIndex().total); }
};

TEST_F(DenseScreen, EveryDevicePixelOfASkinPixelRecordsThatPixelAtEveryMagnification)
{
    ASSERT_GT(qApp->devicePixelRatio(), 1.0);
    kit::testing::ScreenPointer pointer(control("Image1"));
    const struct
    {
        QPoint skinPixel;
        QString recorded;
    } cases[] = {{{9, 4}, "10,5"}, {{0, 0}, "1,1"}, {{274, 115}, "275,116"}, {{274, 0}, "275,1"}};
    for (int magnification : {1, 2, 4}) {
        for (const auto& [skinPixel, recorded] : cases) {
            for (int dy = 0; dy < magnification; ++dy) {
                for (int dx = 0; dx < magnification; ++dx) {
                    const QPoint boxPixel = skinPixel * magnification + QPoint(dx, dy);
                    for (QPoint devicePixel : pointer.devicePixelsOf(boxPixel)) {
                        const int before = total();
                        pointer.click(devicePixel);
                        ASSERT_EQ(total(), before + 1) << magnification << "x, device pixel " << devicePixel.x() << "," << devicePixel.y();
                        ASSERT_EQ(lastPoint(), recorded) << magnification << "x, device pixel " << devicePixel.x() << "," << devicePixel.y();
                    }
                }
            }
        }
        // Just outside the picture the frame is hit, and nothing is recorded.
        const int before = total();
        for (QPoint outside : {QPoint(-1, 0), QPoint(0, -1), QPoint(275 * magnification, 115 * magnification),
                               QPoint(274 * magnification, 116 * magnification)})
            for (QPoint devicePixel : pointer.devicePixelsOf(outside))
                pointer.click(devicePixel);
        EXPECT_EQ(total(), before) << magnification << "x";
        if (magnification < 4) {
            click("Image18");
            click("Image15");
        }
    }
}

} // namespace
} // namespace plevo::testing
