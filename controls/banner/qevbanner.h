#pragma once

#include <QWidget>

class QLabel;

namespace quorvel {

// A strip in the suite's blue shading: three pictures laid out to the strip's own size. It can
// carry child controls (the editor puts the list's header labels on it).
class QEVbanner : public QWidget
{
    Q_OBJECT

public:
    explicit QEVbanner(QWidget* parent = nullptr);

Q_SIGNALS:
    // A right-button release over the banner; handlers may change the arguments.
    void RightMouseUp(short& Button, short& Shift, float& X, float& Y);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void ArrangeImages();

    QLabel* mImage1 = nullptr;
    QLabel* mImage2 = nullptr;
    QLabel* mImage3 = nullptr;
};

} // namespace quorvel
