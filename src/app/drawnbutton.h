// A button painted by the program rather than the platform: the button face picture, the
// caption centred in black (grey when disabled), a white top and left line and a grey
// bottom and right line (side lines only on buttons narrower than 200 pixels), and a frame
// while it has the focus. Enter and Space click it like the mouse.
#pragma once

#include <QPixmap>
#include <QWidget>

namespace vx {

class DrawnButton : public QWidget {
    Q_OBJECT
public:
    explicit DrawnButton(QWidget* parent = nullptr, const QString& name = {});

    // DrawButton: shows a caption (given, or later from the button's Tag) and repaints.
    void draw(const QString& caption);
    const QString& caption() const { return m_caption; }

    // The face picture of every drawn button.
    static void setFace(const QPixmap& face);
    static const QPixmap& face();

    void click();

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    QString m_caption;
    bool m_pressed = false;
};

} // namespace vx
