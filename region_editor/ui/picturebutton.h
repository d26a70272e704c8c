#pragma once

#include "region_editor/ui/icons.h"

#include <QAbstractButton>
#include <QPixmap>

namespace plevo {

// A 20 x 20 picture that acts as a button: a left click emits clicked(), the
// pointer turns into a pointing hand over it, and its tooltip doubles as the
// accessible name so screen readers can tell the buttons apart.
class PictureButton : public QAbstractButton
{
    Q_OBJECT
public:
    static constexpr int kSize = 20;

    PictureButton(const QPixmap& picture, const QString& toolTip, QWidget* parent = nullptr);

    QPixmap picture() const { return m_picture; }
    QSize sizeHint() const override { return {kSize, kSize}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap m_picture;
};

// A picture button showing `icon`, named after its control, at a position given
// in twips inside `parent`.
PictureButton* placeButton(QWidget* parent, const char* name, Icon icon, const char* toolTip, int leftTwips,
                           int topTwips);

} // namespace plevo
