#pragma once

#include <QImage>
#include <QWidget>

namespace bitloom {

// An image control with an exact-colour picture: shown unscaled from the top
// left corner, or stretched to the control's size by pixel replication (never
// smoothed, so every enlarged pixel keeps its colour).
class ImageView final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ImageView)

public:
    explicit ImageView(QWidget* parent = nullptr);

    const QImage& Picture() const { return picture_; }
    void SetPicture(QImage picture);
    void SetStretch(bool stretch);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage picture_;
    bool stretch_ = false;
};

} // namespace bitloom
