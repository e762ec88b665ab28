#pragma once

#include <QAbstractButton>

// A colour swatch: a button that shows a colour (red in the lowest byte) and
// is clicked to choose another.
class TColourSwatch : public QAbstractButton {
    Q_OBJECT
public:
    explicit TColourSwatch(QWidget* parent = nullptr);

    quint32 Colour() const { return iColour; }
    void SetColour(quint32 colour);

    QSize sizeHint() const override { return {22, 18}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    quint32 iColour = 0;
};
