#pragma once

#include "common/testing/qtprinters.h"
#include "common/testing/scripteddialogs.h"
#include "common/testing/temporarysettings.h"
#include "region_editor/tests/fakecd.h"
#include "region_editor/tests/virtualpacer.h"
#include "region_editor/ui/creditswindow.h"
#include "region_editor/ui/mainwindow.h"
#include "region_editor/ui/picturebutton.h"

#include <QApplication>
#include <QDir>
#include <QMouseEvent>
#include <QFile>
#include <QGroupBox>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>

namespace plevo::testing {

// A main window with its scratch folder inside the test's own temporary folder,
// a fake CD drive and virtual time, driven through its controls.
class PlevoWindowTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(scratch.isValid());
        form = makeForm();
        form->show();
        // A test that quits and has no more to say about the credits closes them
        // at their first step.
        pacer.onWait = [this] {
            if (Form9* credits = form ? form->creditsWindow() : nullptr)
                clickIn(credits->findChild<PictureButton*>("Image1"));
        };
    }
    std::unique_ptr<Form1> makeForm()
    {
        return std::make_unique<Form1>(
            dialogs, *settings, pacer, [this] { return std::make_unique<InlineCdDevice>(disc); },
            QStringList{scratch.path()});
    }
    void TearDown() override
    {
        form.reset();
        QCoreApplication::processEvents();
    }

    // A control of the main window itself, not of one of its side windows.
    template <typename T = QWidget>
    T* control(const char* name) const
    {
        auto* frame = form->findChild<QGroupBox*>(QStringLiteral("Frame1"), Qt::FindDirectChildrenOnly);
        T* found = frame ? frame->findChild<T*>(QLatin1String(name)) : nullptr;
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    void click(const char* name) const { clickIn(control<PictureButton>(name)); }
    static void clickIn(QWidget* button) { QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(10, 10)); }
    bool shown(const char* name) const { return control(name)->isVisible(); }

    // Moves the pointer over the skin picture to one of its screen pixels. (QTest's
    // own mouseMove takes the top left pixel for "the centre".)
    void movePointer(QPoint screenPixel) const
    {
        QWidget* picture = control("Image1");
        QMouseEvent move(QEvent::MouseMove, QPointF(screenPixel), picture->mapToGlobal(QPointF(screenPixel)),
                         Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(picture, &move);
    }
    // Moves there and clicks.
    void clickPicture(QPoint screenPixel) const
    {
        movePointer(screenPixel);
        QTest::mouseClick(control("Image1"), Qt::LeftButton, {}, QPoint(1, 1));
    }

    QString scratchFile(const char* name) const
    {
        QFile file(QDir(form->scratchFolder()).filePath(QLatin1String(name)));
        return file.open(QIODevice::ReadOnly) ? QString::fromLatin1(file.readAll()) : QStringLiteral("<missing>");
    }

    QTemporaryDir scratch;
    kit::testing::ScriptedDialogs dialogs;
    kit::testing::TemporarySettings settings;
    VirtualPacer pacer;
    FakeDisc disc;
    std::unique_ptr<Form1> form;
};

} // namespace plevo::testing
